// Starting programs and opening addresses through the shell, the server
// address check and the temporary folder.
#pragma once

#include <windows.h>

#include <string>

class CShellUtil {
public:
    virtual ~CShellUtil() {}

    // Hands target to the shell with the parameters (none when empty) and
    // the show mode. Returns the started process's handle, which the caller
    // closes, or null when nothing was started.
    HANDLE Execute(const std::string& target, const std::string& parameters, int showMode);

    bool IsServerAddressValid(const std::string& address);

    // The temporary folder exactly as the platform reports it, "" when none.
    std::string GetTempFolder();
};
