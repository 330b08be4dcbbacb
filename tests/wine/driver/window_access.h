// Reading and driving the windows of another process, the way a user's
// input and the dialog manager reach them.
#pragma once

#include "wait.h"

#include <windows.h>

#include <string>
#include <vector>

// Visible top-level windows of a process, in z-order.
std::vector<HWND> VisibleTopLevelWindows(DWORD processId);

// A descendant window with this id and window class, at any depth; null
// when there is none.
HWND FindDescendant(HWND parent, int id, const char* className);

// The texts of all descendants of a window.
std::vector<std::string> DescendantTexts(HWND parent);

// The whole text of a window (WM_GETTEXT), and of a dialog's control.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// Waits until the control's text equals expected; on a timeout it fails
// the test, showing the text that was there.
bool WaitForControlText(HWND dialog, int id, const std::string& expected, DWORD timeoutMs = kWaitMs);

// Replaces a control's whole text (WM_SETTEXT), as pasting over it would.
void SetControlText(HWND dialog, int id, const std::string& text);

// Presses a push button (BM_CLICK, posted so the test never waits inside
// the command it starts).
void ClickButton(HWND dialog, int id);
// A key press and release posted to a window: the dialog manager's
// keyboard handling sees it as typed there.
void PressKey(HWND window, WORD virtualKey);

LONG WindowStyle(HWND window);
LONG ControlStyle(HWND dialog, int id);

// The window that has the keyboard focus in window's thread (null if none).
HWND FocusedWindow(HWND window);

// The ids of the tab stops, starting from the first one and following
// GetNextDlgTabItem until it comes round again.
std::vector<int> TabOrder(HWND dialog);

// Returns once the window's thread has finished what it was doing and
// took up a message loop again (a sent WM_NULL came back). False if it did
// not within the time. A sent message overtakes posted ones, so this says
// nothing about posted input not yet handled.
bool SyncWithWindowThread(HWND window, DWORD timeoutMs = kWaitMs);
