// One run of the real Feldora.exe under Wine, and what a test needs to
// find its windows.
#pragma once

#include "temp_folder.h"
#include "wait.h"

#include <windows.h>

#include <string>
#include <vector>

// Z:\...\Feldora.exe, and its folder with the trailing backslash.
std::string FeldoraExePath();
std::string FeldoraFolder();

class FeldoraProcess {
public:
    // Starts Feldora.exe with the given text after the program name. TMP
    // and TEMP name the test's temporary folder and the working folder is
    // its work subfolder; the rest of the environment is this process's.
    FeldoraProcess(const std::string& arguments, const TempFolder& folder);
    // Ends the process if it still runs, so that no window is left behind.
    ~FeldoraProcess();
    FeldoraProcess(const FeldoraProcess&) = delete;
    FeldoraProcess& operator=(const FeldoraProcess&) = delete;

    DWORD Id() const { return m_info.dwProcessId; }
    bool Running() const;

    // The visible top-level windows of the process.
    std::vector<HWND> Windows() const;
    // Waits for a visible top-level window of the process with exactly this
    // title; null, and a failure that says what was there, when none comes.
    HWND WaitForWindow(const std::string& title, DWORD timeoutMs = kWaitMs) const;
    // Waits for the process to end by itself.
    bool WaitForExit(DWORD timeoutMs = kWaitMs) const;

private:
    PROCESS_INFORMATION m_info = {};
};
