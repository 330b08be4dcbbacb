// Stands in for matlab.exe on the tests' WINEPATH. It writes down how it was
// started, to matlab-record.txt in its temporary folder, and ends at once:
// the whole command line as the process got it, each word the C run time
// split it into, the working folder, and the program that started it (cmd)
// with the show mode that program was started with: cmd runs hidden when
// its starter asked for SW_HIDE, whatever it passes on to MATLAB.
#include "append_record.h"
#include "show_mode.h"

#include <windows.h>

int main()
{
    Record record;
    record.emplace_back("commandline", GetCommandLineA());
    for (const std::string& word : RuntimeArguments())
        record.emplace_back("arg", word);

    char folder[MAX_PATH + 1] = {};
    GetCurrentDirectoryA(sizeof(folder), folder);
    record.emplace_back("workingfolder", folder);

    std::string parentProgram;
    const std::string parentShowMode = ParentShowMode(&parentProgram);
    record.emplace_back("parentprogram", parentProgram);
    record.emplace_back("parentshowmode", parentShowMode);

    return AppendRecordToTempFile("matlab-record.txt", record) ? 0 : 1;
}
