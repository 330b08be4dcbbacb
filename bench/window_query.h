// Questions about the top-level windows of other processes, asked the way
// a user would see the answer: is the window shown, what does a field hold.
#pragma once

#include <windows.h>

#include <string>

// The first visible top-level window of the process, or null.
HWND FindVisibleWindowOfProcess(DWORD processId);

// The first visible top-level window with exactly this caption, or null.
HWND FindVisibleWindowByCaption(const std::string& caption);

// The text of a dialog's control, asked with WM_GETTEXT so that it also
// works for an edit control of another process. "" when there is no such
// control or it does not answer within a second.
std::string ControlText(HWND dialog, int controlId);
