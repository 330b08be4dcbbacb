// The system menu of another process's window.
#pragma once

#include "temp_folder.h"

#include <windows.h>

#include <string>
#include <vector>

struct MenuEntry {
    bool separator;
    UINT id;
    std::string text;
};

// Reads the entries of window's system menu. Wine does not let one process
// read another's menus, so this hooks the window's thread with a small DLL
// that writes the menu to system-menu.txt in the process's temporary
// folder, which must be processFolder. Fails the test and returns false
// when the menu cannot be read.
bool ReadSystemMenu(HWND window, const TempFolder& processFolder, std::vector<MenuEntry>* entries);
