#include "system_menu.h"

#include "files.h"
#include "record_format.h"
#include "wait.h"

#include <gtest/gtest.h>

#ifndef SYSTEM_MENU_PROBE_DLL
#error SYSTEM_MENU_PROBE_DLL must name the probe DLL
#endif

namespace {

bool ParseMenu(const std::string& text, std::vector<MenuEntry>* entries)
{
    std::vector<Record> records;
    if (!ParseRecords(text, &records) || records.size() != 1)
        return false;
    entries->clear();
    const Record& record = records[0];
    if (record.empty() || record[0].first != "count" || record[0].second == "-1")
        return false;
    if ((record.size() - 1) % 3 != 0)
        return false;
    for (size_t i = 1; i < record.size(); i += 3) {
        if (record[i].first != "type" || record[i + 1].first != "id" || record[i + 2].first != "text")
            return false;
        MenuEntry entry;
        entry.separator = record[i].second == "separator";
        entry.id = static_cast<UINT>(std::stoul(record[i + 1].second));
        entry.text = record[i + 2].second;
        entries->push_back(entry);
    }
    return entries->size() == static_cast<size_t>(std::stoi(record[0].second));
}

}  // namespace

bool ReadSystemMenu(HWND window, const TempFolder& processFolder, std::vector<MenuEntry>* entries)
{
    std::string path = processFolder.File("system-menu.txt");
    DeleteFileA(path.c_str());

    HMODULE probe = LoadLibraryA(WindowsPathOf(SYSTEM_MENU_PROBE_DLL).c_str());
    // FARPROC to the hook's real type, through void* as GetProcAddress needs.
    HOOKPROC hook = probe ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                                GetProcAddress(probe, "SystemMenuProbeHook")))
                          : nullptr;
    if (!hook) {
        ADD_FAILURE() << "could not load the system menu probe " << SYSTEM_MENU_PROBE_DLL;
        return false;
    }
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    HHOOK installed = SetWindowsHookExA(WH_CALLWNDPROC, hook, probe, thread);
    if (!installed) {
        ADD_FAILURE() << "could not hook the window's thread (error " << GetLastError() << ")";
        FreeLibrary(probe);
        return false;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, RegisterWindowMessageA("FeldoraTests.WriteSystemMenu"), 0, 0,
                        SMTO_NORMAL, kWaitMs, &result);
    UnhookWindowsHookEx(installed);
    FreeLibrary(probe);

    std::string text;
    if (!WaitUntil([&] { return ReadWholeFile(path, &text) && ParseMenu(text, entries); })) {
        ADD_FAILURE() << "the system menu probe wrote no readable menu to " << path;
        return false;
    }
    return true;
}
