#include "show_mode.h"

#include <tlhelp32.h>

#include <cstddef>

namespace {

// The start of the 32-bit process environment block and of the process
// parameters it points to, as far as the fields read here.
struct ProcessBasicInformation {
    LONG exitStatus;
    ULONG_PTR pebBaseAddress;
    ULONG_PTR affinityMask;
    LONG basePriority;
    ULONG_PTR uniqueProcessId;
    ULONG_PTR inheritedFromUniqueProcessId;
};

const size_t kPebProcessParameters = 0x10;
const size_t kParametersWindowFlags = 0x68;   // STARTUPINFO's dwFlags
const size_t kParametersShowWindow = 0x6C;    // and its wShowWindow

typedef LONG(WINAPI* NtQueryInformationProcessFunction)(HANDLE, int, void*, ULONG, ULONG*);

DWORD ParentProcessId(std::string* program)
{
    DWORD parent = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    PROCESSENTRY32 entry;
    entry.dwSize = sizeof(entry);
    const DWORD self = GetCurrentProcessId();
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (entry.th32ProcessID == self)
            parent = entry.th32ParentProcessID;
    }
    if (parent) {
        entry.dwSize = sizeof(entry);
        for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
            if (entry.th32ProcessID == parent)
                *program = entry.szExeFile;
        }
    }
    CloseHandle(snapshot);
    return parent;
}

bool ReadAt(HANDLE process, ULONG_PTR address, void* value, size_t size)
{
    SIZE_T read = 0;
    return ReadProcessMemory(process, reinterpret_cast<const void*>(address), value, size, &read) &&
           read == size;
}

}  // namespace

std::string ShowModeText(DWORD startupFlags, WORD showWindow)
{
    if (!(startupFlags & STARTF_USESHOWWINDOW))
        return "default";
    return std::to_string(showWindow);
}

std::string OwnShowMode()
{
    STARTUPINFOA startup;
    startup.cb = sizeof(startup);
    GetStartupInfoA(&startup);
    return ShowModeText(startup.dwFlags, startup.wShowWindow);
}

std::string ParentShowMode(std::string* parentProgram)
{
    const DWORD parent = ParentProcessId(parentProgram);
    NtQueryInformationProcessFunction query = reinterpret_cast<NtQueryInformationProcessFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    if (!parent || !query)
        return "unknown";
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, parent);
    if (!process)
        return "unknown";

    std::string mode = "unknown";
    ProcessBasicInformation basic = {};
    ULONG_PTR parameters = 0;
    DWORD flags = 0;
    DWORD show = 0;
    if (query(process, 0 /* ProcessBasicInformation */, &basic, sizeof(basic), nullptr) == 0 &&
        ReadAt(process, basic.pebBaseAddress + kPebProcessParameters, &parameters, sizeof(parameters)) &&
        ReadAt(process, parameters + kParametersWindowFlags, &flags, sizeof(flags)) &&
        ReadAt(process, parameters + kParametersShowWindow, &show, sizeof(show)))
        mode = ShowModeText(flags, static_cast<WORD>(show));
    CloseHandle(process);
    return mode;
}
