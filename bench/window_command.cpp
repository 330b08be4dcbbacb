// Small window errands for scripts that drive a program from outside.
//
//   window_command wait CAPTION [ID TEXT]
//       Waits (up to 60 s) until a top-level window with exactly this
//       caption is visible and, when given, its control ID holds exactly
//       TEXT. Prints the window's rectangle on the screen as "X Y W H".
//   window_command syscommand CAPTION COMMAND
//       Posts WM_SYSCOMMAND with COMMAND to that window, as choosing an
//       entry of its system menu would; does not wait for the result.
//
// Exits with 0 on success, 1 when the window did not appear, 2 on misuse.
#include "window_query.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const DWORD kTimeoutMs = 60000;
const DWORD kPollMs = 50;

HWND WaitForWindow(const std::string& caption, int controlId, const char* text)
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindVisibleWindowByCaption(caption);
        if (window && (!text || ControlText(window, controlId) == text))
            return window;
        if (GetTickCount() - start > kTimeoutMs)
            return nullptr;
        Sleep(kPollMs);
    }
}

int Wait(const std::string& caption, int controlId, const char* text)
{
    HWND window = WaitForWindow(caption, controlId, text);
    if (!window) {
        fprintf(stderr, "window_command: no window \"%s\"%s\n", caption.c_str(),
                text ? " with the expected text" : "");
        return 1;
    }
    RECT rect;
    GetWindowRect(window, &rect);
    printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

int SysCommand(const std::string& caption, WPARAM command)
{
    HWND window = WaitForWindow(caption, 0, nullptr);
    if (!window || !PostMessageA(window, WM_SYSCOMMAND, command, 0)) {
        fprintf(stderr, "window_command: no window \"%s\"\n", caption.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], "wait") == 0)
        return Wait(argv[2], 0, nullptr);
    if (argc == 5 && strcmp(argv[1], "wait") == 0)
        return Wait(argv[2], atoi(argv[3]), argv[4]);
    if (argc == 4 && strcmp(argv[1], "syscommand") == 0)
        return SysCommand(argv[2], strtoul(argv[3], nullptr, 0));
    fprintf(stderr, "usage: window_command wait CAPTION [ID TEXT]\n"
                    "       window_command syscommand CAPTION COMMAND\n");
    return 2;
}
