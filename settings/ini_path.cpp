#include "settings/ini_path.h"

const char kIniFileName[] = "siqxdata.ini";
const char kIniSection[] = "tarnivex";

std::string IniPathInFolder(const std::string& tempFolder)
{
    std::string path = tempFolder;
    if (!path.empty() && path.back() != '\\' && path.back() != '/')
        path += '/';
    return path + kIniFileName;
}
