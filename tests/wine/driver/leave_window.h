// The ways a user leaves one of Feldora's windows.
#pragma once

#include <windows.h>

enum class Leave { ExitButton, EscapeKey, CloseMessage, AltF4 };

// Leaves the dialog as the user would: its Exit button (command 2), Escape
// in the focused box, the close box (WM_CLOSE), or Alt+F4.
void LeaveWindow(HWND dialog, Leave how);
