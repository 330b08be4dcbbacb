#include "window_query.h"

namespace {

struct Search {
    DWORD processId;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam)
{
    Search& search = *reinterpret_cast<Search*>(lParam);
    if (!IsWindowVisible(hwnd))
        return TRUE;
    if (search.caption) {
        char text[256] = {};
        GetWindowTextA(hwnd, text, sizeof(text));
        if (*search.caption != text)
            return TRUE;
    } else {
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        if (owner != search.processId)
            return TRUE;
    }
    search.found = hwnd;
    return FALSE;
}

HWND FindWindowBy(Search search)
{
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

HWND FindVisibleWindowOfProcess(DWORD processId)
{
    return FindWindowBy(Search{processId, nullptr, nullptr});
}

HWND FindVisibleWindowByCaption(const std::string& caption)
{
    return FindWindowBy(Search{0, &caption, nullptr});
}

std::string ControlText(HWND dialog, int controlId)
{
    HWND control = GetDlgItem(dialog, controlId);
    if (!control)
        return std::string();
    char text[1024] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text),
                             SMTO_ABORTIFHUNG, 1000, &copied))
        return std::string();
    return std::string(text, copied < sizeof(text) ? copied : sizeof(text) - 1);
}
