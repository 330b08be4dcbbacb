#include "window_access.h"

#include <gtest/gtest.h>

namespace {

struct EnumState {
    DWORD processId;
    std::vector<HWND>* windows;
};

BOOL CALLBACK AddWindowOfProcess(HWND window, LPARAM param)
{
    EnumState* state = reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == state->processId && IsWindowVisible(window))
        state->windows->push_back(window);
    return TRUE;
}

// Sends a message to another process's window without hanging the test on
// a stuck program.
LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam, bool* ok)
{
    DWORD_PTR result = 0;
    *ok = SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kWaitMs, &result) != 0;
    return static_cast<LRESULT>(result);
}

HWND Control(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control)
        ADD_FAILURE() << "the window \"" << WindowText(dialog) << "\" has no control " << id;
    return control;
}

struct FindState {
    int id;
    const char* className;
    HWND found;
};

BOOL CALLBACK MatchDescendant(HWND child, LPARAM param)
{
    FindState* state = reinterpret_cast<FindState*>(param);
    char className[64] = {};
    GetClassNameA(child, className, sizeof(className));
    if (GetDlgCtrlID(child) == state->id && lstrcmpiA(className, state->className) == 0) {
        state->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK AddText(HWND child, LPARAM param)
{
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(WindowText(child));
    return TRUE;
}

}  // namespace

HWND FindDescendant(HWND parent, int id, const char* className)
{
    FindState state = {id, className, nullptr};
    EnumChildWindows(parent, MatchDescendant, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

std::vector<std::string> DescendantTexts(HWND parent)
{
    std::vector<std::string> texts;
    EnumChildWindows(parent, AddText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::vector<HWND> VisibleTopLevelWindows(DWORD processId)
{
    std::vector<HWND> windows;
    EnumState state = {processId, &windows};
    EnumWindows(AddWindowOfProcess, reinterpret_cast<LPARAM>(&state));
    return windows;
}

std::string WindowText(HWND window)
{
    bool ok = false;
    LRESULT length = SendBounded(window, WM_GETTEXTLENGTH, 0, 0, &ok);
    if (!ok)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = SendBounded(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &ok);
    if (!ok)
        return std::string();
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::string ControlText(HWND dialog, int id)
{
    HWND control = Control(dialog, id);
    return control ? WindowText(control) : std::string();
}

bool WaitForControlText(HWND dialog, int id, const std::string& expected, DWORD timeoutMs)
{
    if (WaitUntil([&] { return ControlText(dialog, id) == expected; }, timeoutMs))
        return true;
    ADD_FAILURE() << "control " << id << " did not come to hold the expected text within "
                  << timeoutMs / 1000 << " s\n  expected: \"" << expected << "\"\n  it holds: \""
                  << ControlText(dialog, id) << "\"";
    return false;
}

void SetControlText(HWND dialog, int id, const std::string& text)
{
    HWND control = Control(dialog, id);
    if (!control)
        return;
    bool ok = false;
    SendBounded(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &ok);
    if (!ok)
        ADD_FAILURE() << "WM_SETTEXT to control " << id << " was not answered";
}

void ClickButton(HWND dialog, int id)
{
    HWND button = Control(dialog, id);
    if (button && !PostMessageA(button, BM_CLICK, 0, 0))
        ADD_FAILURE() << "could not post BM_CLICK to button " << id;
}

void PressKey(HWND window, WORD virtualKey)
{
    UINT scanCode = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM down = 1 | (static_cast<LPARAM>(scanCode) << 16);
    LPARAM up = down | (1L << 30) | (1L << 31);
    if (!PostMessageA(window, WM_KEYDOWN, virtualKey, down) || !PostMessageA(window, WM_KEYUP, virtualKey, up))
        ADD_FAILURE() << "could not post key " << virtualKey;
}

LONG WindowStyle(HWND window)
{
    return GetWindowLongA(window, GWL_STYLE);
}

LONG ControlStyle(HWND dialog, int id)
{
    HWND control = Control(dialog, id);
    return control ? WindowStyle(control) : 0;
}

HWND FocusedWindow(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (!GetGUIThreadInfo(thread, &info))
        return nullptr;
    return info.hwndFocus;
}

std::vector<int> TabOrder(HWND dialog)
{
    std::vector<int> ids;
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    HWND item = first;
    while (item && ids.size() < 64) {
        ids.push_back(GetDlgCtrlID(item));
        item = GetNextDlgTabItem(dialog, item, FALSE);
        if (item == first)
            break;
    }
    return ids;
}

bool SyncWithWindowThread(HWND window, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}
