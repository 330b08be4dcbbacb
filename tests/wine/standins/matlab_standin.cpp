// Stands in for matlab.exe on the tests' WINEPATH. It writes down how it was
// started, to matlab-record.txt in its temporary folder, and ends at once:
// the whole command line as the process got it, each word the C run time
// split it into, and the working folder.
#include "append_record.h"

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

    return AppendRecordToTempFile("matlab-record.txt", record) ? 0 : 1;
}
