// The settings file siqxdata.ini in a test's temporary folder, written and
// read byte for byte, without the platform's profile functions, so that
// the tests see exactly what Feldora wrote.
#pragma once

#include "temp_folder.h"

#include <string>

struct StoredSettings {
    std::string serverUri;
    std::string projectArea;
    std::string userName;
};

std::string SettingsFilePath(const TempFolder& folder);

// The file as a first save of these values creates it.
std::string SettingsFileText(const StoredSettings& settings);

// The file's bytes, or "(none)" when there is no file: compared before and
// after a step, it shows whether the step wrote the file.
std::string SettingsFileState(const TempFolder& folder);

void WriteSettingsFile(const TempFolder& folder, const StoredSettings& settings);

// Finds the value of key in section of an INI text: the bytes after the
// first "=" of the line "key=..." up to the line's end. Returns false when
// the section or the key is missing.
bool FindIniValue(const std::string& text, const std::string& section,
                  const std::string& key, std::string* value);
