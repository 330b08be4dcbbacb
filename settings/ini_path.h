// Where the settings file lives, given the temporary folder the platform
// reported ("" when it reported none).
#pragma once

#include <string>

extern const char kIniFileName[];   // "siqxdata.ini"
extern const char kIniSection[];    // "tarnivex"

std::string IniPathInFolder(const std::string& tempFolder);
