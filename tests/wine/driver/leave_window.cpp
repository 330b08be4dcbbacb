#include "leave_window.h"

#include "window_access.h"

void LeaveWindow(HWND dialog, Leave how)
{
    switch (how) {
    case Leave::ExitButton:
        ClickButton(dialog, IDCANCEL);
        break;
    case Leave::EscapeKey:
        PressKey(FocusedWindow(dialog), VK_ESCAPE);
        break;
    case Leave::CloseMessage:
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        break;
    case Leave::AltF4:
        // The key-down that the keyboard sends with Alt held (context bit 29).
        PostMessageA(FocusedWindow(dialog), WM_SYSKEYDOWN, VK_F4, 1 | (1L << 29));
        break;
    }
}
