#include "shell/shell_util.h"

#include "framework/system_library.h"
#include "shell/launch_rules.h"

#include <shellapi.h>

typedef BOOL(WINAPI* ShellExecuteExAFunction)(SHELLEXECUTEINFOA*);

HANDLE CShellUtil::Execute(const std::string& target, const std::string& parameters, int showMode)
{
    const std::string folder = WorkingFolderFor(target);

    SHELLEXECUTEINFOA info;
    ZeroMemory(&info, sizeof(info));
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = target.c_str();
    info.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
    info.lpDirectory = folder.c_str();
    info.nShow = showMode;

    static const ShellExecuteExAFunction shellExecuteEx =
        GetSystemFunction<ShellExecuteExAFunction>("shell32.dll", "ShellExecuteExA");
    if (!shellExecuteEx || !shellExecuteEx(&info))
        return nullptr;
    return info.hProcess;
}

bool CShellUtil::IsServerAddressValid(const std::string& address)
{
    return ::IsServerAddressValid(address);
}

std::string CShellUtil::GetTempFolder()
{
    char folder[360] = {};
    GetTempPathA(sizeof(folder), folder);
    return folder;
}
