#include "settings_file.h"

#include "files.h"

#include <gtest/gtest.h>

#include <vector>

std::string SettingsFilePath(const TempFolder& folder)
{
    return folder.File("siqxdata.ini");
}

std::string SettingsFileText(const StoredSettings& settings)
{
    return "[tarnivex]\r\n"
           "serverUri=" + settings.serverUri + "\r\n"
           "projectArea=" + settings.projectArea + "\r\n"
           "userName=" + settings.userName + "\r\n";
}

std::string SettingsFileState(const TempFolder& folder)
{
    std::string text;
    return ReadWholeFile(SettingsFilePath(folder), &text) ? text : "(none)";
}

void WriteSettingsFile(const TempFolder& folder, const StoredSettings& settings)
{
    if (!WriteWholeFile(SettingsFilePath(folder), SettingsFileText(settings)))
        ADD_FAILURE() << "could not write " << SettingsFilePath(folder);
}

namespace {

// The lines of text without their "\r\n" or "\n" ends.
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(pos, end - pos);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        pos = end + 1;
    }
    return lines;
}

}  // namespace

bool FindIniValue(const std::string& text, const std::string& section,
                  const std::string& key, std::string* value)
{
    bool inSection = false;
    for (const std::string& line : Lines(text)) {
        if (!line.empty() && line[0] == '[') {
            inSection = (line == "[" + section + "]");
            continue;
        }
        if (inSection && line.compare(0, key.size() + 1, key + "=") == 0) {
            *value = line.substr(key.size() + 1);
            return true;
        }
    }
    return false;
}
