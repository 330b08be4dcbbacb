// A hook DLL that reads a window's system menu from inside the window's own
// process. Wine gives another process no access to a window's system menu
// (GetSystemMenu fails for it) nor to the items of its menus, so the test
// installs this hook on the window's thread and asks it to write the menu
// down, to system-menu.txt in that process's temporary folder.
#include "record_format.h"

#include <windows.h>

#include <string>

namespace {

void WriteSystemMenu(HWND window)
{
    Record record;
    HMENU menu = GetSystemMenu(window, FALSE);
    int count = menu ? GetMenuItemCount(menu) : -1;
    record.emplace_back("count", std::to_string(count));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        MENUITEMINFOA item = {};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof(text);
        if (!GetMenuItemInfoA(menu, i, TRUE, &item))
            continue;
        record.emplace_back("type", (item.fType & MFT_SEPARATOR) ? "separator" : "string");
        record.emplace_back("id", std::to_string(item.wID));
        record.emplace_back("text", text);
    }

    char folder[MAX_PATH + 1] = {};
    GetTempPathA(sizeof(folder), folder);
    std::string path = std::string(folder) + "system-menu.txt";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string bytes = FormatRecord(record);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

// WH_CALLWNDPROC hook: acts on the registered message
// "FeldoraTests.WriteSystemMenu" and passes everything on.
extern "C" __declspec(dllexport) LRESULT CALLBACK SystemMenuProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const CWPSTRUCT* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        static const UINT request = RegisterWindowMessageA("FeldoraTests.WriteSystemMenu");
        if (call->message == request)
            WriteSystemMenu(call->hwnd);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
