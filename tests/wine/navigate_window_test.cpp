// The navigate window, and the choice between it and the export window
// that the command line makes.
#include "feldora_process.h"
#include "feldora_ui.h"
#include "leave_window.h"
#include "files.h"
#include "launched_programs.h"
#include "message_box.h"
#include "settings_file.h"
#include "stand_in_records.h"
#include "temp_folder.h"
#include "window_access.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

const char kPagePath[] = "/simulink/explorer?get&requestType=navtomodel&modelName=";

// --- Mode dispatch --------------------------------------------------------

struct ModeCase {
    const char* arguments;
    const char* title;   // the window that must open
};

void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << "arguments '" << c.arguments << "'";
}

class ModeDispatch : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeDispatch, OpensTheChosenWindowOnly)
{
    const ModeCase& c = GetParam();
    TempFolder folder;
    FeldoraProcess feldora(c.arguments, folder);
    HWND window = feldora.WaitForWindow(c.title);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(feldora.Windows(), std::vector<HWND>{window}) << "another window is open too";

    // Closing the window ends the program; no second window follows.
    ClickButton(window, IDCANCEL);
    EXPECT_TRUE(feldora.WaitForExit()) << "Feldora still runs after its window closed";
    EXPECT_FALSE(FileExists(SettingsFilePath(folder))) << "start-up or closing wrote the settings file";
}

INSTANTIATE_TEST_SUITE_P(Start, ModeDispatch, testing::Values(
    ModeCase{"mode=launchqx modelname=plant", kNavigateTitle},
    ModeCase{"mode=LaunchQX", kNavigateTitle},
    ModeCase{"MODE=LAUNCHQX model=C:\\m.mdl", kNavigateTitle},
    ModeCase{"mode=x mode=launchqx", kNavigateTitle},
    ModeCase{"\"mode=launchqx\"", kNavigateTitle},
    ModeCase{"", kExportTitle},
    ModeCase{"modelname=plant", kExportTitle},
    ModeCase{"-mode=launchqx", kExportTitle},
    ModeCase{"/mode=launchqx", kExportTitle},
    ModeCase{"mode=launchqx2", kExportTitle},
    ModeCase{"mode=launch", kExportTitle},
    ModeCase{"mode=launchqx=x", kExportTitle},
    ModeCase{"mode=launchqx mode=export", kExportTitle},
    ModeCase{"\" mode=launchqx\"", kExportTitle},
    ModeCase{"mode= launchqx", kExportTitle},
    ModeCase{"mode=", kExportTitle}));

// --- Opening ----------------------------------------------------------------

TEST(NavigateWindow, OpensWithStoredServerAndProjectArea)
{
    TempFolder folder;
    WriteSettingsFile(folder, {"https://qx.example:9443/qx", "Area 51", "jdoe"});
    std::string fileBefore = SettingsFileState(folder);

    FeldoraProcess feldora("mode=launchqx modelname=UniqueModelName", folder);
    HWND dialog = feldora.WaitForWindow(kNavigateTitle);
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(ControlText(dialog, kServerAddress), "https://qx.example:9443/qx");
    EXPECT_EQ(ControlText(dialog, kProjectArea), "Area 51");
    EXPECT_EQ(GetDlgCtrlID(FocusedWindow(dialog)), kServerAddress);
    EXPECT_EQ(TabOrder(dialog), (std::vector<int>{kServerAddress, kProjectArea, kGo, kNavigateExit}));
    for (const std::string& text : DescendantTexts(dialog)) {
        EXPECT_EQ(text.find("UniqueModelName"), std::string::npos) << "the model name is shown: " << text;
        EXPECT_EQ(text.find("jdoe"), std::string::npos) << "the user name is shown: " << text;
    }
    EXPECT_EQ(SettingsFileState(folder), fileBefore);
}

TEST(NavigateWindow, OpensEmptyWithoutSettingsFile)
{
    TempFolder folder;
    FeldoraProcess feldora("mode=launchqx modelname=plant", folder);
    HWND dialog = feldora.WaitForWindow(kNavigateTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, kServerAddress), "");
    EXPECT_EQ(ControlText(dialog, kProjectArea), "");
    EXPECT_FALSE(FileExists(SettingsFilePath(folder)));
}

// --- Go with an address that is no web address ---------------------------

// Each address is refused with one message; nothing is stored or opened.
// A good address at the end shows that the window still works, and that
// its page is the only one the browser was asked for.
TEST(NavigateWindow, GoRefusesAddressesThatAreNoWebAddress)
{
    TempFolder folder;
    WriteSettingsFile(folder, {"https://stored/qx", "stored area", "stored user"});
    std::string fileBefore = SettingsFileState(folder);

    FeldoraProcess feldora("mode=launchqx modelname=plant", folder);
    HWND dialog = feldora.WaitForWindow(kNavigateTitle);
    ASSERT_NE(dialog, nullptr);

    const char* refused[] = {
        "", "   ", "C:\\Windows\\notepad.exe", "ftp://h/qx", "file:///c:/x",
        "notepad", "https//h/qx", "mailto:a@b.qx",
    };
    for (const char* address : refused) {
        SCOPED_TRACE(std::string("address '") + address + "'");
        SetControlText(dialog, kServerAddress, address);
        SetControlText(dialog, kProjectArea, "typed area");
        ClickButton(dialog, kGo);

        HWND box = WaitForMessageBox(feldora.Id());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), "Invalid server URI");
        EXPECT_EQ(MessageBoxButtons(box), std::vector<int>{IDOK});
        EXPECT_EQ(GetWindow(box, GW_OWNER), dialog) << "the message box is not owned by the window";
        ASSERT_TRUE(DismissMessageBox(box));
        ASSERT_TRUE(SyncWithWindowThread(dialog));

        EXPECT_EQ(FindMessageBox(feldora.Id()), nullptr) << "a second message followed";
        EXPECT_TRUE(feldora.Running());
        EXPECT_EQ(ControlText(dialog, kServerAddress), address);
        EXPECT_EQ(ControlText(dialog, kProjectArea), "typed area");
        EXPECT_EQ(SettingsFileState(folder), fileBefore);
    }

    SetControlText(dialog, kServerAddress, "https://h/qx");
    ClickButton(dialog, kGo);
    ASSERT_TRUE(WaitForBrowserStarts(folder, 1));
    ASSERT_TRUE(SyncWithWindowThread(dialog));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    std::vector<BrowserStart> starts = BrowserStarts(folder);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].address, std::string("https://h/qx") + kPagePath + "plant&projectName=typed%20area");
}

// --- Go with a web address ---------------------------------------------------

struct GoCase {
    const char* arguments;
    const char* server;
    const char* projectArea;
    std::string address;   // the page the browser must get
};

void PrintTo(const GoCase& c, std::ostream* os)
{
    *os << "arguments '" << c.arguments << "', server '" << c.server << "', project area '"
        << c.projectArea << "'";
}

class NavigateGo : public testing::TestWithParam<GoCase> {};

// Go stores the two fields, keeps the stored user name, opens the page
// once and leaves the window open.
TEST_P(NavigateGo, StoresFieldsAndOpensThePage)
{
    const GoCase& c = GetParam();
    TempFolder folder;
    WriteSettingsFile(folder, {"https://old/qx", "old area", "kept user"});

    FeldoraProcess feldora(c.arguments, folder);
    HWND dialog = feldora.WaitForWindow(kNavigateTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kServerAddress, c.server);
    SetControlText(dialog, kProjectArea, c.projectArea);
    ClickButton(dialog, kGo);

    ASSERT_TRUE(WaitForBrowserStarts(folder, 1));
    ASSERT_TRUE(SyncWithWindowThread(dialog));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    std::vector<BrowserStart> starts = BrowserStarts(folder);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].address, c.address);

    EXPECT_EQ(SettingsFileState(folder), SettingsFileText({c.server, c.projectArea, "kept user"}));
    EXPECT_EQ(FindMessageBox(feldora.Id()), nullptr);
    EXPECT_TRUE(feldora.Running());
    EXPECT_EQ(ControlText(dialog, kServerAddress), c.server);
    EXPECT_EQ(ControlText(dialog, kProjectArea), c.projectArea);
}

INSTANTIATE_TEST_SUITE_P(NavigateWindow, NavigateGo, testing::Values(
    GoCase{"mode=launchqx modelname=plant", "https://qx.example:9443/qx", "",
           std::string("https://qx.example:9443/qx") + kPagePath + "plant"},
    GoCase{"mode=launchqx modelname=plant", "https://h:9443/qx", "Area51",
           std::string("https://h:9443/qx") + kPagePath + "plant&projectName=Area51"},
    // A slash at the end of the address is not doubled.
    GoCase{"mode=launchqx modelname=plant", "https://h/qx/", "",
           std::string("https://h/qx") + kPagePath + "plant"},
    GoCase{"mode=launchqx modelname=m", "HTTP://H/QX", "p",
           std::string("HTTP://H/QX") + kPagePath + "m&projectName=p"},
    // Characters that would end or change the query are percent-encoded.
    GoCase{"mode=launchqx \"modelname=a&b=c #d\"", "https://h/qx", "x&y=z#?%+",
           std::string("https://h/qx") + kPagePath + "a%26b%3Dc%20%23d&projectName=x%26y%3Dz%23%3F%25%2B"},
    GoCase{"mode=launchqx \"modelname=\\\"q\\\" 'r'\"", "https://h/qx", "",
           std::string("https://h/qx") + kPagePath + "%22q%22%20%27r%27"},
    // No model name: the address ends with "modelName=".
    GoCase{"mode=launchqx", "https://h/qx", "",
           std::string("https://h/qx") + kPagePath},
    GoCase{"mode=launchqx", "https://h/qx", "p q",
           std::string("https://h/qx") + kPagePath + "&projectName=p%20q"}));

TEST(NavigateWindow, GoTwiceOpensThePageTwice)
{
    TempFolder folder;
    FeldoraProcess feldora("mode=launchqx modelname=plant", folder);
    HWND dialog = feldora.WaitForWindow(kNavigateTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kServerAddress, "https://first/qx");
    ClickButton(dialog, kGo);
    ASSERT_TRUE(WaitForBrowserStarts(folder, 1));

    // Enter in a field acts as Go.
    SetControlText(dialog, kServerAddress, "https://second/qx");
    SetControlText(dialog, kProjectArea, "p");
    PressKey(GetDlgItem(dialog, kProjectArea), VK_RETURN);
    ASSERT_TRUE(WaitForBrowserStarts(folder, 2));
    ASSERT_TRUE(SyncWithWindowThread(dialog));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());

    std::vector<BrowserStart> starts = BrowserStarts(folder);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].address, std::string("https://first/qx") + kPagePath + "plant");
    EXPECT_EQ(starts[1].address, std::string("https://second/qx") + kPagePath + "plant&projectName=p");
    // No settings file before: the second Go left the latest fields and an
    // empty user name.
    EXPECT_EQ(SettingsFileState(folder), SettingsFileText({"https://second/qx", "p", ""}));
    EXPECT_TRUE(feldora.Running());
}

// --- Leaving ----------------------------------------------------------------

struct LeavingCase {
    const char* name;
    Leave how;
};

class NavigateWindowLeaving : public testing::TestWithParam<LeavingCase> {};

TEST_P(NavigateWindowLeaving, EndsTheProgramAndStoresNothing)
{
    TempFolder folder;
    WriteSettingsFile(folder, {"https://stored/qx", "stored area", "stored user"});
    std::string fileBefore = SettingsFileState(folder);

    FeldoraProcess feldora("mode=launchqx modelname=plant", folder);
    HWND dialog = feldora.WaitForWindow(kNavigateTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kServerAddress, "https://typed/qx");
    SetControlText(dialog, kProjectArea, "typed area");

    LeaveWindow(dialog, GetParam().how);
    ASSERT_TRUE(feldora.WaitForExit()) << "Feldora still runs";
    EXPECT_EQ(SettingsFileState(folder), fileBefore);
    EXPECT_TRUE(BrowserStarts(folder).empty());
}

INSTANTIATE_TEST_SUITE_P(NavigateWindow, NavigateWindowLeaving, testing::Values(
    LeavingCase{"ExitButton", Leave::ExitButton},
    LeavingCase{"EscapeKey", Leave::EscapeKey},
    LeavingCase{"CloseMessage", Leave::CloseMessage},
    LeavingCase{"AltF4", Leave::AltF4}),
    [](const testing::TestParamInfo<LeavingCase>& info) { return std::string(info.param.name); });

}  // namespace
