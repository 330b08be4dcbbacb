// Message boxes: dialog-class windows with the message in the static
// control 0xFFFF. Feldora's own are titled "Feldora"; the shell's error
// boxes have captions of their own.
#pragma once

#include "wait.h"

#include <windows.h>

#include <string>
#include <vector>

// A visible message box of the process now, or null.
HWND FindMessageBox(DWORD processId, const char* caption = "Feldora");
// Waits for one; null, and a failure, when none comes in time.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = kWaitMs, const char* caption = "Feldora");

std::string MessageBoxText(HWND box);
// The ids of the box's push buttons, in child order.
std::vector<int> MessageBoxButtons(HWND box);

// Presses OK and waits until the box is gone.
bool DismissMessageBox(HWND box);
