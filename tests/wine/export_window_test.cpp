// The export window as the user meets it: what it shows when it opens, its
// keyboard order and boxes, its system menu and About box, and the ways to
// leave it.
#include "feldora_process.h"
#include "feldora_ui.h"
#include "leave_window.h"
#include "settings_file.h"
#include "system_menu.h"
#include "temp_folder.h"
#include "window_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

const StoredSettings kStored = {"https://qx.example:9443/qx", "Area 51", "jdoe"};

struct OpeningCase {
    const char* arguments;
    bool settingsFile;
    const char* modelBox;
};

void PrintTo(const OpeningCase& c, std::ostream* os)
{
    *os << "arguments '" << c.arguments << "'" << (c.settingsFile ? ", settings file" : "");
}

class ExportWindowOpening : public testing::TestWithParam<OpeningCase> {};

TEST_P(ExportWindowOpening, ShowsModelAndStoredSettings)
{
    const OpeningCase& c = GetParam();
    TempFolder folder;
    if (c.settingsFile)
        WriteSettingsFile(folder, kStored);
    std::string fileBefore = SettingsFileState(folder);

    FeldoraProcess feldora(c.arguments, folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(ControlText(dialog, kModelFile), c.modelBox);
    StoredSettings shown = c.settingsFile ? kStored : StoredSettings{};
    EXPECT_EQ(ControlText(dialog, kServerAddress), shown.serverUri);
    EXPECT_EQ(ControlText(dialog, kProjectArea), shown.projectArea);
    EXPECT_EQ(ControlText(dialog, kUserName), shown.userName);
    EXPECT_EQ(ControlText(dialog, kPassword), "");
    EXPECT_EQ(ControlText(dialog, kOutput), "");
    EXPECT_EQ(feldora.Windows().size(), 1u) << "more than the export window is open";
    EXPECT_EQ(SettingsFileState(folder), fileBefore) << "opening the window wrote the settings file";
}

INSTANTIATE_TEST_SUITE_P(ExportWindow, ExportWindowOpening, testing::Values(
    OpeningCase{"", false, ""},
    OpeningCase{"", true, ""},
    OpeningCase{"model=C:\\models\\plant.mdl", true, "C:\\models\\plant.mdl"},
    OpeningCase{"\"model=C:\\My Models\\plant 2.mdl\"", false, "C:\\My Models\\plant 2.mdl"},
    OpeningCase{"model=\"C:\\My Models\\plant.mdl\"", true, "C:\\My Models\\plant.mdl"},
    OpeningCase{"MODEL=C:\\a=b\\missing.mdl", true, "C:\\a=b\\missing.mdl"},
    OpeningCase{"model=a.mdl Model=b.mdl", false, "b.mdl"},
    OpeningCase{"model=", true, ""},
    OpeningCase{"modelname=plant", true, ""}));

TEST(ExportWindow, BoxesAndKeyboardOrder)
{
    TempFolder folder;
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    EXPECT_EQ(GetDlgCtrlID(FocusedWindow(dialog)), kModelFile) << "focus is not in the model box";

    const std::vector<int> order = {kModelFile, kBrowse, kServerAddress, kProjectArea, kUserName,
                                    kPassword, kSetPath, kExport, kExit, kOutput};
    EXPECT_EQ(TabOrder(dialog), order);

    // Tab, as typed, walks the same way and comes round to the start.
    std::vector<int> walked;
    for (size_t i = 0; i < order.size(); ++i) {
        HWND focus = FocusedWindow(dialog);
        walked.push_back(GetDlgCtrlID(focus));
        PressKey(focus, VK_TAB);
        ASSERT_TRUE(WaitUntil([&] { return FocusedWindow(dialog) != focus; }))
            << "Tab did not move the focus from " << GetDlgCtrlID(focus);
    }
    EXPECT_EQ(walked, order);
    EXPECT_EQ(GetDlgCtrlID(FocusedWindow(dialog)), kModelFile);

    LONG password = ControlStyle(dialog, kPassword);
    EXPECT_TRUE(password & ES_PASSWORD);
    EXPECT_NE(SendMessageA(GetDlgItem(dialog, kPassword), EM_GETPASSWORDCHAR, 0, 0), 0)
        << "the password box shows what is typed";

    LONG output = ControlStyle(dialog, kOutput);
    EXPECT_TRUE(output & ES_READONLY);
    EXPECT_TRUE(output & ES_MULTILINE);
    EXPECT_TRUE(output & WS_VSCROLL);
    EXPECT_TRUE(output & WS_HSCROLL);
    // Typing into the output box changes nothing. The model box's character,
    // posted after it, shows when the output box has had its own.
    PostMessageA(GetDlgItem(dialog, kOutput), WM_CHAR, 'x', 1);
    PostMessageA(GetDlgItem(dialog, kModelFile), WM_CHAR, 'y', 1);
    ASSERT_TRUE(WaitForControlText(dialog, kModelFile, "y"));
    EXPECT_EQ(ControlText(dialog, kOutput), "");

    LONG style = WindowStyle(dialog);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the window can be resized";
}

TEST(ExportWindow, SystemMenuEndsWithAbout)
{
    TempFolder folder;
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    std::vector<MenuEntry> menu;
    ASSERT_TRUE(ReadSystemMenu(dialog, folder, &menu));
    ASSERT_GE(menu.size(), 2u);
    const MenuEntry& separator = menu[menu.size() - 2];
    const MenuEntry& about = menu.back();
    EXPECT_TRUE(separator.separator);
    EXPECT_FALSE(about.separator);
    EXPECT_EQ(about.text, "&About Feldora...");
    EXPECT_EQ(about.id, kAboutCommand);
    EXPECT_EQ(std::count_if(menu.begin(), menu.end(), [](const MenuEntry& e) { return e.id == kAboutCommand; }), 1)
        << "the About entry was added more than once";
}

// The About command compares its identifier without the low four bits, as
// system commands are meant to be compared.
TEST(ExportWindow, AboutBoxOpensAndClosesBackToTheWindow)
{
    TempFolder folder;
    FeldoraProcess feldora("model=C:\\m.mdl", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kPassword, "secret");
    SetControlText(dialog, kOutput, "earlier notes");

    for (unsigned command : {kAboutCommand, kAboutCommand + 0xF}) {
        SCOPED_TRACE(command);
        PostMessageA(dialog, WM_SYSCOMMAND, command, 0);
        HWND about = feldora.WaitForWindow(kAboutTitle);
        ASSERT_NE(about, nullptr);

        std::vector<std::string> texts = DescendantTexts(about);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Feldora Version 1.0"), texts.end());
        EXPECT_NE(GetDlgItem(about, IDOK), nullptr) << "the About box has no OK button";
        EXPECT_EQ(GetWindow(about, GW_OWNER), dialog) << "the About box is not owned by the export window";
        EXPECT_FALSE(IsWindowEnabled(dialog)) << "the About box is not modal";

        if (command == kAboutCommand)
            ClickButton(about, IDOK);
        else
            PressKey(FocusedWindow(about), VK_ESCAPE);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "the About box did not close";
        ASSERT_TRUE(SyncWithWindowThread(dialog));

        EXPECT_TRUE(feldora.Running());
        EXPECT_TRUE(IsWindowEnabled(dialog));
        EXPECT_EQ(ControlText(dialog, kModelFile), "C:\\m.mdl");
        EXPECT_EQ(ControlText(dialog, kPassword), "secret");
        EXPECT_EQ(ControlText(dialog, kOutput), "earlier notes");
        EXPECT_EQ(feldora.Windows(), std::vector<HWND>{dialog});
    }
}

struct LeavingCase {
    const char* name;
    Leave how;
    bool settingsFile;
};

class ExportWindowLeaving : public testing::TestWithParam<LeavingCase> {};

// Every way out ends the program and stores nothing that was typed.
TEST_P(ExportWindowLeaving, EndsTheProgramAndStoresNothing)
{
    const LeavingCase& c = GetParam();
    TempFolder folder;
    if (c.settingsFile)
        WriteSettingsFile(folder, kStored);
    std::string fileBefore = SettingsFileState(folder);

    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kModelFile, "C:\\typed.mdl");
    SetControlText(dialog, kServerAddress, "https://typed/qx");
    SetControlText(dialog, kProjectArea, "typed area");
    SetControlText(dialog, kUserName, "typed user");
    SetControlText(dialog, kPassword, "typed password");

    LeaveWindow(dialog, c.how);
    ASSERT_TRUE(feldora.WaitForExit()) << "Feldora still runs; its windows: " << feldora.Windows().size();
    EXPECT_EQ(SettingsFileState(folder), fileBefore);
}

INSTANTIATE_TEST_SUITE_P(ExportWindow, ExportWindowLeaving, testing::Values(
    LeavingCase{"ExitButton", Leave::ExitButton, true},
    LeavingCase{"ExitButtonWithoutSettingsFile", Leave::ExitButton, false},
    LeavingCase{"EscapeKey", Leave::EscapeKey, true},
    LeavingCase{"CloseMessage", Leave::CloseMessage, true},
    LeavingCase{"AltF4", Leave::AltF4, false}),
    [](const testing::TestParamInfo<LeavingCase>& info) { return std::string(info.param.name); });

}  // namespace
