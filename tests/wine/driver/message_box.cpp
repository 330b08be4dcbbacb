#include "message_box.h"

#include "window_access.h"

#include <gtest/gtest.h>

namespace {

const int kMessageTextId = 0xFFFF;

bool IsMessageBox(HWND window, const char* caption)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof(className));
    return lstrcmpA(className, "#32770") == 0 && WindowText(window) == caption;
}

BOOL CALLBACK AddButton(HWND child, LPARAM param)
{
    char className[64] = {};
    GetClassNameA(child, className, sizeof(className));
    LONG kind = GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK;
    if (lstrcmpiA(className, "Button") == 0 && IsWindowVisible(child) &&
        (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON))
        reinterpret_cast<std::vector<int>*>(param)->push_back(GetDlgCtrlID(child));
    return TRUE;
}

}  // namespace

HWND FindMessageBox(DWORD processId, const char* caption)
{
    for (HWND window : VisibleTopLevelWindows(processId)) {
        if (IsMessageBox(window, caption))
            return window;
    }
    return nullptr;
}

HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs, const char* caption)
{
    HWND box = nullptr;
    WaitUntil([&] { return (box = FindMessageBox(processId, caption)) != nullptr; }, timeoutMs);
    if (!box)
        ADD_FAILURE() << "no message box \"" << caption << "\" appeared within " << timeoutMs / 1000 << " s";
    return box;
}

std::string MessageBoxText(HWND box)
{
    HWND text = GetDlgItem(box, kMessageTextId);
    return text ? WindowText(text) : std::string();
}

std::vector<int> MessageBoxButtons(HWND box)
{
    std::vector<int> ids;
    EnumChildWindows(box, AddButton, reinterpret_cast<LPARAM>(&ids));
    return ids;
}

bool DismissMessageBox(HWND box)
{
    ClickButton(box, IDOK);
    if (WaitUntil([&] { return !IsWindow(box); }))
        return true;
    ADD_FAILURE() << "the message box did not close after OK";
    return false;
}
