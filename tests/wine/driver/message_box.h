// The message boxes that Feldora shows: dialog-class windows titled
// "Feldora" with the message in the static control 0xFFFF.
#pragma once

#include "wait.h"

#include <windows.h>

#include <string>
#include <vector>

// A visible message box of the process now, or null.
HWND FindMessageBox(DWORD processId);
// Waits for one; null, and a failure, when none comes in time.
HWND WaitForMessageBox(DWORD processId, DWORD timeoutMs = kWaitMs);

std::string MessageBoxText(HWND box);
// The ids of the box's push buttons, in child order.
std::vector<int> MessageBoxButtons(HWND box);

// Presses OK and waits until the box is gone.
bool DismissMessageBox(HWND box);
