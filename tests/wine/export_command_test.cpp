// The export window's commands through the real Feldora.exe: the checks of
// Export and their messages, what an export stores, starts and shows, and
// the MATLAB path command.
#include "export_steps.h"
#include "feldora_process.h"
#include "feldora_ui.h"
#include "files.h"
#include "launched_programs.h"
#include "message_box.h"
#include "settings_file.h"
#include "stand_in_records.h"
#include "temp_folder.h"
#include "window_access.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kModelMissing[] = "Model file name is missing";
const char kServerMissing[] = "QX server address is missing";
const char kProjectMissing[] = "QX server project area is missing";
const char kUserMissing[] = "User name is missing";
const char kPasswordMissing[] = "Password is missing";
const char kServerInvalid[] =
    "Invalid QX server address\r\nPlease make sure address is in the format: https://<host>:<port>/qx";

struct CheckCase {
    ExportInputs inputs;
    const char* message;
};

// Each failing check shows its one message and the command stops: nothing
// stored, nothing started, the output box as it was. All cases run in one
// window; the path command at the end must then be the only MATLAB start.
TEST(ExportCommand, ChecksShowTheFirstFailingMessageOnly)
{
    const CheckCase cases[] = {
        {{"", "", "", "", ""}, kModelMissing},
        {{"", "https://h/qx", "p", "u", "pw"}, kModelMissing},
        {{"C:\\m.mdl", "", "", "", ""}, kServerMissing},
        {{"C:\\m.mdl", "", "p", "u", "pw"}, kServerMissing},
        {{"C:\\m.mdl", "https://h/qx", "", "u", "pw"}, kProjectMissing},
        {{"C:\\m.mdl", "https://h/qx", "", "", ""}, kProjectMissing},
        {{"C:\\m.mdl", "https://h/qx", "p", "", "pw"}, kUserMissing},
        {{"C:\\m.mdl", "https://h/qx", "p", "u", ""}, kPasswordMissing},
        // The address is checked only after every box is known to be filled.
        {{"C:\\m.mdl", "https://h/qx/", "p", "u", ""}, kPasswordMissing},
        {{"C:\\m.mdl", "https://h:9443/qx/", "p", "u", "pw"}, kServerInvalid},
        {{"C:\\m.mdl", "https://h:9443/qx ", "p", "u", "pw"}, kServerInvalid},
        {{"C:\\m.mdl", "qx/", "p", "u", "pw"}, kServerInvalid},
        {{"C:\\m.mdl", "qx ", "p", "u", "pw"}, kServerInvalid},
        {{"C:\\m.mdl", "https://h:9443/qxx", "p", "u", "pw"}, kServerInvalid},
        {{"C:\\m.mdl", "https://h:9443/", "p", "u", "pw"}, kServerInvalid},
        {{"C:\\m.mdl", "x", "p", "u", "pw"}, kServerInvalid},
        {{"C:\\m.mdl", "q", "p", "u", "pw"}, kServerInvalid},
        // Blanks fill a box; the address of blanks then fails its form.
        {{"C:\\m.mdl", "   ", "p", "u", "pw"}, kServerInvalid},
    };

    TempFolder folder;
    WriteSettingsFile(folder, {"https://stored/qx", "stored area", "stored user"});
    std::string fileBefore = SettingsFileState(folder);

    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kOutput, "earlier notes");

    for (const CheckCase& c : cases) {
        SCOPED_TRACE("model '" + c.inputs.model + "', server '" + c.inputs.server + "', project area '" +
                     c.inputs.projectArea + "', user '" + c.inputs.userName + "', password '" +
                     c.inputs.password + "'");
        FillExportWindow(dialog, c.inputs);
        EXPECT_EQ(ExportMessage(feldora, dialog), c.message);
        EXPECT_EQ(ControlText(dialog, kOutput), "earlier notes");
        EXPECT_EQ(SettingsFileState(folder), fileBefore);
        EXPECT_EQ(ControlText(dialog, kServerAddress), c.inputs.server);
        EXPECT_EQ(ControlText(dialog, kPassword), c.inputs.password);
        EXPECT_TRUE(feldora.Running());
    }

    ASSERT_TRUE(RunPathCommand(dialog));
    ASSERT_TRUE(WaitForMatlabStarts(folder, 1));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    std::vector<MatlabStart> starts = MatlabStarts(folder);
    ASSERT_EQ(starts.size(), 1u) << "a refused export started MATLAB";
    EXPECT_EQ(starts[0].words, (std::vector<std::string>{"matlab", "-automation", "-r", "pathtool"}));
}

// Enter in any of the five input boxes runs the export command.
TEST(ExportCommand, EnterInAnInputBoxRunsExport)
{
    TempFolder folder;
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    for (int box : {kModelFile, kServerAddress, kProjectArea, kUserName, kPassword}) {
        SCOPED_TRACE(box);
        PressKey(GetDlgItem(dialog, box), VK_RETURN);
        HWND message = WaitForMessageBox(feldora.Id());
        ASSERT_NE(message, nullptr);
        EXPECT_EQ(MessageBoxText(message), kModelMissing);
        ASSERT_TRUE(DismissMessageBox(message));
        EXPECT_TRUE(feldora.Running());
    }
}

// An export stores the three values as typed, starts MATLAB once with the
// six values, and shows the notes; a second export does all that again and
// leaves one copy of the notes.
TEST(ExportCommand, ExportStoresStartsMatlabAndShowsNotes)
{
    TempFolder folder;
    FeldoraProcess feldora("model=C:\\models\\plant.mdl", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    ExportInputs inputs = {"C:\\models\\plant.mdl", "https://qx.example:9443/qx", "Area 51", "jdoe",
                           "pass word"};
    FillExportWindow(dialog, inputs);
    ASSERT_TRUE(RunExport(dialog, folder));
    ASSERT_TRUE(WaitForMatlabStarts(folder, 1));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());

    std::vector<MatlabStart> starts = MatlabStarts(folder);
    ASSERT_EQ(starts.size(), 1u);
    ExpectExportCall(starts[0], inputs);
    // cmd, and MATLAB from it, start in Feldora's own working folder.
    EXPECT_EQ(starts[0].workingFolder + "\\", folder.WorkFolder());

    std::string stored = SettingsFileState(folder);
    EXPECT_EQ(stored, SettingsFileText({inputs.server, inputs.projectArea, inputs.userName}));
    EXPECT_EQ(stored.find("rootservices"), std::string::npos);
    EXPECT_EQ(stored.find(inputs.password), std::string::npos) << "the password was stored";

    EXPECT_EQ(ControlText(dialog, kOutput), kExportNotes + folder.Path());
    EXPECT_EQ(ControlText(dialog, kModelFile), inputs.model);
    EXPECT_EQ(ControlText(dialog, kServerAddress), inputs.server);
    EXPECT_EQ(ControlText(dialog, kProjectArea), inputs.projectArea);
    EXPECT_EQ(ControlText(dialog, kUserName), inputs.userName);
    EXPECT_EQ(ControlText(dialog, kPassword), inputs.password);
    EXPECT_EQ(FindMessageBox(feldora.Id()), nullptr);

    // Again, with other values; the output box is not emptied first this
    // time, so two copies of the notes would show.
    ExportInputs second = {"D:\\other.mdl", "https://second:9443/qx", "area 2", "user 2", "pw2"};
    FillExportWindow(dialog, second);
    ClickButton(dialog, kExport);
    ASSERT_TRUE(WaitForMatlabStarts(folder, 2));
    ASSERT_TRUE(SyncWithWindowThread(dialog));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    starts = MatlabStarts(folder);
    ASSERT_EQ(starts.size(), 2u);
    ExpectExportCall(starts[1], second);
    EXPECT_EQ(SettingsFileState(folder), SettingsFileText({second.server, second.projectArea, second.userName}));
    EXPECT_EQ(ControlText(dialog, kOutput), kExportNotes + folder.Path());
    EXPECT_TRUE(feldora.Running());
}

// The export replaces only its own keys and keeps the rest of the file.
TEST(ExportCommand, ExportKeepsTheRestOfTheSettingsFile)
{
    TempFolder folder;
    ASSERT_TRUE(WriteWholeFile(SettingsFilePath(folder),
                               "[other]\r\nuserName=not ours\r\n[tarnivex]\r\nserverUri=https://old/qx\r\n"
                               "extra=kept\r\nprojectArea=old area\r\nuserName=old user\r\n"));
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ControlText(dialog, kServerAddress), "https://old/qx");
    EXPECT_EQ(ControlText(dialog, kProjectArea), "old area");
    EXPECT_EQ(ControlText(dialog, kUserName), "old user");

    FillExportWindow(dialog, {"C:\\m.mdl", "https://new/qx", "new area", "new user", "secret"});
    ASSERT_TRUE(RunExport(dialog, folder));
    ASSERT_TRUE(WaitForMatlabStarts(folder, 1));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());

    std::string text = SettingsFileState(folder);
    std::string value;
    EXPECT_TRUE(FindIniValue(text, "other", "userName", &value) && value == "not ours") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "extra", &value) && value == "kept") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "serverUri", &value) && value == "https://new/qx") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "projectArea", &value) && value == "new area") << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "userName", &value) && value == "new user") << text;
    EXPECT_EQ(text.find("secret"), std::string::npos) << "the password was stored";
}

// The address check ignores the case of "qx"; the address goes on as typed.
TEST(ExportCommand, AddressEndingInQxInAnyCasePasses)
{
    TempFolder folder;
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    const char* servers[] = {"https://h:9443/qx", "https://h:9443/QX", "https://h/Qx", "https://h/qX", "qx",
                             "  qx"};
    size_t count = 0;
    for (const char* server : servers) {
        SCOPED_TRACE(server);
        ExportInputs inputs = {"C:\\m.mdl", server, "p", "u", "pw"};
        FillExportWindow(dialog, inputs);
        ASSERT_TRUE(RunExport(dialog, folder));
        ASSERT_TRUE(WaitForMatlabStarts(folder, ++count));
        ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
        std::vector<MatlabStart> starts = MatlabStarts(folder);
        ASSERT_EQ(starts.size(), count);
        ExpectExportCall(starts.back(), inputs);
        std::string stored;
        EXPECT_TRUE(FindIniValue(SettingsFileState(folder), "tarnivex", "serverUri", &stored));
        EXPECT_EQ(stored, server[0] == ' ' ? std::string("qx") : std::string(server))
            << "Wine's profile functions drop blanks at the start of a value";
    }
}

// A cmd.exe that Windows cannot run, found first in the working folder:
// every launch fails, and the shell shows its own error. An export stores
// its values all the same (they were valid), and the output box says that
// the export is not running instead of telling the user to wait for MATLAB.
// The path command shows its note all the same, as it always has.
TEST(ExportCommand, WhenCmdCannotStart)
{
    const char notStarted[] =
        "The command interpreter \"cmd\" could not be started, so the export is not running.\r\n";

    TempFolder folder;
    ASSERT_TRUE(WriteWholeFile(folder.WorkFolder() + "cmd.exe", "this is no program\r\n"));
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);
    SetControlText(dialog, kOutput, "earlier notes");

    ExportInputs inputs = {"C:\\m.mdl", "https://h/qx", "area", "user", "secret"};
    FillExportWindow(dialog, inputs);
    ClickButton(dialog, kExport);
    // The shell shows its own error first ("Bad EXE format" under Wine);
    // the command goes on once the user has closed it.
    HWND shellError = WaitForMessageBox(feldora.Id(), kWaitMs, "Error");
    ASSERT_NE(shellError, nullptr);
    EXPECT_EQ(ControlText(dialog, kOutput), "earlier notes");
    ASSERT_TRUE(DismissMessageBox(shellError));
    ASSERT_TRUE(WaitForControlText(dialog, kOutput, notStarted));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());

    EXPECT_TRUE(MatlabStarts(folder).empty()) << "MATLAB was started";
    std::string stored = SettingsFileState(folder);
    EXPECT_EQ(stored, SettingsFileText({inputs.server, inputs.projectArea, inputs.userName}));
    EXPECT_EQ(stored.find(inputs.password), std::string::npos) << "the password was stored";
    EXPECT_EQ(ControlText(dialog, kPassword), inputs.password);

    ClickButton(dialog, kSetPath);
    shellError = WaitForMessageBox(feldora.Id(), kWaitMs, "Error");
    ASSERT_NE(shellError, nullptr);
    ASSERT_TRUE(DismissMessageBox(shellError));
    ASSERT_TRUE(WaitForControlText(dialog, kOutput, kPathNote));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    EXPECT_TRUE(MatlabStarts(folder).empty()) << "MATLAB was started";
    EXPECT_EQ(SettingsFileState(folder), stored);
    EXPECT_TRUE(feldora.Running());
}

// The path command needs no box filled, stores nothing, and its note
// replaces whatever the output box held.
TEST(ExportCommand, PathCommandStartsPathToolAndShowsItsNote)
{
    TempFolder folder;
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    const std::vector<std::string> pathTool = {"matlab", "-automation", "-r", "pathtool"};

    ASSERT_TRUE(RunPathCommand(dialog));
    ASSERT_TRUE(WaitForMatlabStarts(folder, 1));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    EXPECT_EQ(FindMessageBox(feldora.Id()), nullptr);
    EXPECT_FALSE(FileExists(SettingsFilePath(folder))) << "the path command wrote the settings file";
    std::vector<MatlabStart> starts = MatlabStarts(folder);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].words, pathTool);
    EXPECT_EQ(starts[0].commandLine, "matlab -automation -r pathtool");
    ExpectStartedByHiddenCmd(starts[0]);

    ExportInputs inputs = {"C:\\m.mdl", "https://h/qx", "p", "u", "pw"};
    FillExportWindow(dialog, inputs);
    ASSERT_TRUE(RunExport(dialog, folder));
    ASSERT_TRUE(WaitForMatlabStarts(folder, 2));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    std::string storedAfterExport = SettingsFileState(folder);

    // Not emptied first: the note must replace the export's notes.
    ClickButton(dialog, kSetPath);
    ASSERT_TRUE(WaitForControlText(dialog, kOutput, kPathNote));
    ASSERT_TRUE(WaitForMatlabStarts(folder, 3));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());
    starts = MatlabStarts(folder);
    ASSERT_EQ(starts.size(), 3u);
    ExpectExportCall(starts[1], inputs);
    EXPECT_EQ(starts[2].words, pathTool);
    ExpectStartedByHiddenCmd(starts[2]);
    EXPECT_EQ(SettingsFileState(folder), storedAfterExport);
    EXPECT_EQ(ControlText(dialog, kModelFile), inputs.model);
    EXPECT_EQ(ControlText(dialog, kPassword), inputs.password);
}

}  // namespace
