#include "launched_programs.h"

#include "wait.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

int CountProcesses(const std::string& exeName)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, exeName.c_str()) == 0)
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}

bool WaitForLaunchedProgramsToEnd()
{
    const char* names[] = {"cmd.exe", "matlab.exe", "browser_standin.exe"};
    bool ended = WaitUntil([&] {
        for (const char* name : names) {
            if (CountProcesses(name) != 0)
                return false;
        }
        return true;
    });
    if (!ended) {
        std::string running;
        for (const char* name : names)
            running += std::string(" ") + name + ":" + std::to_string(CountProcesses(name));
        ADD_FAILURE() << "started programs still run after " << kWaitMs / 1000 << " s:" << running;
    }
    return ended;
}
