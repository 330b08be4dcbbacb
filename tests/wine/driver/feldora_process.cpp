#include "feldora_process.h"

#include "files.h"
#include "window_access.h"

#include <gtest/gtest.h>

#ifndef FELDORA_EXE
#error FELDORA_EXE must name the Feldora.exe under test
#endif

std::string FeldoraExePath()
{
    return WindowsPathOf(FELDORA_EXE);
}

std::string FeldoraFolder()
{
    std::string path = FeldoraExePath();
    return path.substr(0, path.rfind('\\') + 1);
}

namespace {

// This process's environment with TMP and TEMP replaced, as a block for
// CreateProcessA.
std::string EnvironmentWithTemp(const std::string& tempFolder)
{
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; *entry; entry += lstrlenA(entry) + 1) {
        if (_strnicmp(entry, "TMP=", 4) == 0 || _strnicmp(entry, "TEMP=", 5) == 0)
            continue;
        block += entry;
        block += '\0';
    }
    FreeEnvironmentStringsA(strings);
    block += "TMP=" + tempFolder + '\0';
    block += "TEMP=" + tempFolder + '\0';
    block += '\0';
    return block;
}

}  // namespace

FeldoraProcess::FeldoraProcess(const std::string& arguments, const TempFolder& folder)
{
    std::string commandLine = "\"" + FeldoraExePath() + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::string environment = EnvironmentWithTemp(folder.PathForEnvironment());
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0],
                        folder.WorkFolder().c_str(), &startup, &m_info)) {
        ADD_FAILURE() << "could not start " << commandLine << " (error " << GetLastError() << ")";
        m_info = {};
    }
}

FeldoraProcess::~FeldoraProcess()
{
    if (!m_info.hProcess)
        return;
    if (Running()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, kWaitMs);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool FeldoraProcess::Running() const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

std::vector<HWND> FeldoraProcess::Windows() const
{
    return VisibleTopLevelWindows(Id());
}

HWND FeldoraProcess::WaitForWindow(const std::string& title, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND window : Windows()) {
            if (WindowText(window) == title) {
                found = window;
                return true;
            }
        }
        return !Running();
    }, timeoutMs);
    if (!found) {
        std::string seen;
        for (HWND window : Windows())
            seen += " \"" + WindowText(window) + "\"";
        ADD_FAILURE() << "no window \"" << title << "\" of Feldora within " << timeoutMs / 1000
                      << " s; process " << (Running() ? "running" : "ended")
                      << ", its windows:" << (seen.empty() ? " none" : seen);
    }
    return found;
}

bool FeldoraProcess::WaitForExit(DWORD timeoutMs) const
{
    return m_info.hProcess && WaitForSingleObject(m_info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}
