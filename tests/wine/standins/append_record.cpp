#include "append_record.h"

#include <windows.h>

#include <stdlib.h>

bool AppendRecordToTempFile(const char* fileName, const Record& record)
{
    char folder[MAX_PATH + 1] = {};
    if (GetTempPathA(sizeof(folder), folder) == 0)
        return false;
    std::string path = std::string(folder) + fileName;

    // Another stand-in may be writing the same file; retry while it is locked.
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            Sleep(20);
    }
    if (file == INVALID_HANDLE_VALUE)
        return false;

    std::string text = FormatRecord(record);
    DWORD written = 0;
    BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

std::vector<std::string> RuntimeArguments()
{
    std::vector<std::string> words;
    for (int i = 0; i < __argc; ++i)
        words.push_back(__argv[i]);
    return words;
}
