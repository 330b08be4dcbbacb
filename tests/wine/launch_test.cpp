// The one launch operation, CShellUtil::Execute, run in this process under
// Wine: what the started programs receive, and what a failed launch gives.
#include "launched_programs.h"
#include "scoped_environment.h"
#include "stand_in_records.h"
#include "temp_folder.h"
#include "wait.h"
#include "window_access.h"

#include "shell/shell_util.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

namespace {

std::string Lower(std::string text)
{
    if (!text.empty())
        CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

// Waits for a started program to end, then closes its handle.
void WaitAndClose(HANDLE process)
{
    if (!process)
        return;
    EXPECT_EQ(WaitForSingleObject(process, kWaitMs), WAIT_OBJECT_0) << "the started program did not end";
    CloseHandle(process);
}

struct CmdLaunchCase {
    int showMode;
    const char* parameters;
    std::vector<std::string> words;   // as MATLAB's C run time splits them
    const char* commandLine;          // as cmd hands it to MATLAB
};

class CmdLaunch : public testing::TestWithParam<CmdLaunchCase> {};

TEST_P(CmdLaunch, ReachesMatlabThroughCmd)
{
    const CmdLaunchCase& c = GetParam();
    TempFolder folder;
    ScopedTempEnvironment environment(folder);

    HANDLE process = CShellUtil().Execute("cmd", c.parameters, c.showMode);
    ASSERT_NE(process, nullptr) << "Execute gave no process handle for cmd";
    WaitAndClose(process);   // cmd /c waits for matlab.exe
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());

    std::vector<MatlabStart> starts = MatlabStarts(folder);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].words, c.words);
    EXPECT_EQ(starts[0].commandLine, c.commandLine);
    // "cmd" as the working folder names no folder; the program starts in
    // the caller's working folder.
    EXPECT_EQ(starts[0].workingFolder + "\\", folder.WorkFolder());
    // cmd got the show mode: 0 runs it hidden.
    EXPECT_EQ(Lower(starts[0].parentProgram), "cmd.exe");
    EXPECT_EQ(starts[0].parentShowMode, std::to_string(c.showMode));
}

INSTANTIATE_TEST_SUITE_P(Execute, CmdLaunch, testing::Values(
    CmdLaunchCase{SW_HIDE, "/c matlab -automation -r pathtool",
                  {"matlab", "-automation", "-r", "pathtool"},
                  "matlab -automation -r pathtool"},
    // The parameter text goes to cmd as it is: quotes and blanks included.
    CmdLaunchCase{SW_SHOWMINNOACTIVE, "/c matlab -r \"a b\" 'c d'",
                  {"matlab", "-r", "a b", "'c", "d'"},
                  "matlab -r \"a b\" 'c d'"}));

TEST(Execute, OpensWebAddressInTheBrowser)
{
    const std::string addresses[] = {
        "https://qx.example:9443/qx/simulink/explorer?get&requestType=navtomodel&modelName=plant",
        "http://h/qx/simulink/explorer?get&requestType=navtomodel&modelName=a%26b&projectName=p%20q",
    };
    for (const std::string& address : addresses) {
        SCOPED_TRACE(address);
        TempFolder folder;
        ScopedTempEnvironment environment(folder);

        WaitAndClose(CShellUtil().Execute(address, "", SW_SHOWNORMAL));
        ASSERT_TRUE(WaitForBrowserStarts(folder, 1));
        ASSERT_TRUE(WaitForLaunchedProgramsToEnd());

        std::vector<BrowserStart> starts = BrowserStarts(folder);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0].address, address);
        // Nothing but the address follows the program: no parameters.
        ASSERT_EQ(starts[0].words.size(), 2u) << starts[0].commandLine;
        EXPECT_EQ(starts[0].showMode, "1");
        EXPECT_EQ(starts[0].commandLine.substr(starts[0].commandLine.size() - address.size() - 2),
                  "\"" + address + "\"");
    }
}

struct ExecuteCall {
    std::string target;
    HANDLE result;
};

DWORD WINAPI RunExecute(void* param)
{
    ExecuteCall* call = static_cast<ExecuteCall*>(param);
    call->result = CShellUtil().Execute(call->target, "", SW_SHOWNORMAL);
    return 0;
}

// Wine's shell shows an error box of its own for a target it cannot start
// (the launch asks for no quiet failure); the launch runs on a thread of
// its own so that the test can close that box.
TEST(Execute, TargetThatCannotBeStartedGivesNull)
{
    TempFolder folder;
    ScopedTempEnvironment environment(folder);

    // Left to the thread if it never returns, so that it writes into no
    // freed memory.
    ExecuteCall* call = new ExecuteCall{folder.Path() + "no such folder\\no such program.exe", nullptr};
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, RunExecute, call, 0, &threadId);
    ASSERT_NE(thread, nullptr);

    bool returned = WaitUntil([&] {
        for (HWND window : VisibleTopLevelWindows(GetCurrentProcessId())) {
            if (GetWindowThreadProcessId(window, nullptr) == threadId)
                PostMessageA(window, WM_COMMAND, IDOK, 0);
        }
        return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
    });
    CloseHandle(thread);
    ASSERT_TRUE(returned) << "Execute did not return within " << kWaitMs / 1000 << " s";

    HANDLE result = call->result;
    delete call;
    EXPECT_EQ(result, nullptr);
    EXPECT_TRUE(MatlabStarts(folder).empty());
    EXPECT_TRUE(BrowserStarts(folder).empty());
}

}  // namespace
