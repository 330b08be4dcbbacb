#include "export_steps.h"

#include "feldora_ui.h"
#include "message_box.h"
#include "window_access.h"

#include "matlab_eval.h"

#include <gtest/gtest.h>

const char kExportNotes[] =
    "Executing export...\r\n"
    "Please wait while Simulink Command Window is launched (might take few minutes)\r\n"
    "In the Command Window you'll be able to track export progress\r\n\r\n"
    "Additional export log inforamtion is saved to Tarnivex_*.log file at: \r\n";

const char kPathNote[] =
    "Executing command...\r\n"
    "Please wait while Simulink Path Dialog is launched (might take few minutes)";

void FillExportWindow(HWND dialog, const ExportInputs& inputs)
{
    SetControlText(dialog, kModelFile, inputs.model);
    SetControlText(dialog, kServerAddress, inputs.server);
    SetControlText(dialog, kProjectArea, inputs.projectArea);
    SetControlText(dialog, kUserName, inputs.userName);
    SetControlText(dialog, kPassword, inputs.password);
}

namespace {

bool RunCommand(HWND dialog, int button, const std::string& notes)
{
    SetControlText(dialog, kOutput, "");
    ClickButton(dialog, button);
    return WaitForControlText(dialog, kOutput, notes);
}

}  // namespace

bool RunExport(HWND dialog, const TempFolder& folder)
{
    return RunCommand(dialog, kExport, kExportNotes + folder.Path());
}

bool RunPathCommand(HWND dialog)
{
    return RunCommand(dialog, kSetPath, kPathNote);
}

std::string ExportMessage(const FeldoraProcess& feldora, HWND dialog)
{
    ClickButton(dialog, kExport);
    HWND box = WaitForMessageBox(feldora.Id());
    if (!box)
        return std::string();
    std::string text = MessageBoxText(box);
    EXPECT_EQ(MessageBoxButtons(box), std::vector<int>{IDOK});
    EXPECT_EQ(GetWindow(box, GW_OWNER), dialog) << "the message box is not owned by the export window";
    DismissMessageBox(box);
    // The command has ended once the window's thread answers again.
    EXPECT_TRUE(SyncWithWindowThread(dialog));
    EXPECT_EQ(FindMessageBox(feldora.Id()), nullptr) << "a second message followed";
    return text;
}

std::vector<std::string> ExpectedCallValues(const ExportInputs& inputs)
{
    return {inputs.model, inputs.server + "/rootservices", inputs.projectArea, inputs.userName,
            inputs.password, FeldoraFolder()};
}

bool ExportCallValues(const MatlabStart& start, std::vector<std::string>* values)
{
    return start.words.size() == 4 && start.words[0] == "matlab" && start.words[1] == "-automation" &&
           start.words[2] == "-r" && ParsePublisherCall(start.words[3], values);
}

void ExpectStartedByHiddenCmd(const MatlabStart& start)
{
    std::string program = start.parentProgram;
    if (!program.empty())
        CharLowerBuffA(&program[0], static_cast<DWORD>(program.size()));
    EXPECT_EQ(program, "cmd.exe") << "MATLAB was not started by cmd";
    EXPECT_EQ(start.parentShowMode, "0") << "cmd was not asked to run hidden";
}

void ExpectExportCall(const MatlabStart& start, const ExportInputs& inputs)
{
    ExpectStartedByHiddenCmd(start);
    std::vector<std::string> values;
    ASSERT_TRUE(ExportCallValues(start, &values))
        << "not matlab -automation -r and a qx_publisher_win call MATLAB would evaluate; command line: "
        << start.commandLine;
    EXPECT_EQ(values, ExpectedCallValues(inputs)) << "command line: " << start.commandLine;
}
