// Where the settings file is looked for, given the temporary folder.
#include "settings/ini_path.h"

#include <gtest/gtest.h>

namespace {

TEST(IniPathInFolder, JoinsFolderAndFileName)
{
    struct Case {
        const char* folder;
        const char* path;
    };
    const Case cases[] = {
        {"C:\\Users\\u\\AppData\\Local\\Temp\\", "C:\\Users\\u\\AppData\\Local\\Temp\\siqxdata.ini"},
        {"C:/Temp/", "C:/Temp/siqxdata.ini"},
        // Without a separator a forward slash is added, not a backslash.
        {"C:\\Temp", "C:\\Temp/siqxdata.ini"},
        {"C:", "C:/siqxdata.ini"},
        {"\\", "\\siqxdata.ini"},
        {"", "siqxdata.ini"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IniPathInFolder(c.folder), c.path) << '[' << c.folder << ']';
}

}  // namespace
