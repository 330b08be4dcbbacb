// How a program was asked to show its window when it was started: the
// show-window value of its start-up information, as the launching call
// (ShellExecuteEx's nShow) set it.
#pragma once

#include <windows.h>

#include <string>

// "default" when the starter set no show-window value, else the value in
// decimal ("0" for SW_HIDE, "1" for SW_SHOWNORMAL).
std::string ShowModeText(DWORD startupFlags, WORD showWindow);

// This process's own show mode.
std::string OwnShowMode();

// The show mode of the process that started this one, read from its
// process parameters while it runs; with the program name of that process
// in *parentProgram. "unknown" when it cannot be read.
std::string ParentShowMode(std::string* parentProgram);
