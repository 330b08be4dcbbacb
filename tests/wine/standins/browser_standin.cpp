// Stands in for the web browser: the test prefix sends http, https and ftp
// addresses here. It writes down the address it was given (its first word),
// its whole command line and the show mode it was started with, to
// browser-record.txt in its temporary folder, and ends at once.
#include "append_record.h"
#include "show_mode.h"

#include <windows.h>

int main()
{
    std::vector<std::string> words = RuntimeArguments();

    Record record;
    record.emplace_back("address", words.size() > 1 ? words[1] : std::string());
    record.emplace_back("commandline", GetCommandLineA());
    for (const std::string& word : words)
        record.emplace_back("arg", word);
    record.emplace_back("showmode", OwnShowMode());

    return AppendRecordToTempFile("browser-record.txt", record) ? 0 : 1;
}
