// The program's own folder, taken from its module path.
#include "export/matlab_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(FolderOfModulePath, DriveAndFolderWithTrailingSeparator)
{
    struct Case {
        std::string path;
        std::string folder;
    };
    const Case cases[] = {
        {"C:\\Tools\\export.exe", "C:\\Tools\\"},
        {"C:\\export.exe", "C:\\"},
        {"\\\\srv\\share\\x.exe", "\\\\srv\\share\\"},
        {"export.exe", ""},
        {"C:export.exe", "C:"},
        {"C:/Tools/export.exe", "C:/Tools/"},
        {"C:\\Tools/sub\\x.exe", "C:\\Tools/sub\\"},
        {"\\Tools\\x.exe", "\\Tools\\"},
        {"C:\\Tools\\", "C:\\Tools\\"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderOfModulePath(c.path), c.folder) << c.path;
}

TEST(FolderOfModulePath, FolderIsCutTo255Bytes)
{
    const std::string exact = "\\" + std::string(253, 'a') + "\\";   // 255 bytes
    EXPECT_EQ(FolderOfModulePath("C:" + exact + "x.exe"), "C:" + exact);

    const std::string oneOver = "\\" + std::string(254, 'a') + "\\";   // 256 bytes
    EXPECT_EQ(FolderOfModulePath("C:" + oneOver + "x.exe"), "C:" + oneOver.substr(0, 255));

    const std::string longFolder = "\\" + std::string(300, 'a') + "\\";
    EXPECT_EQ(FolderOfModulePath("C:" + longFolder + "x.exe"), "C:" + longFolder.substr(0, 255));
    EXPECT_EQ(FolderOfModulePath(longFolder + "x.exe"), longFolder.substr(0, 255));
}

// Shift-JIS lead bytes: the byte after one is the second half of the
// character, and 0x5C there is no backslash.
bool IsShiftJisLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

TEST(FolderOfModulePath, TrailByteOfDoubleByteCharacterIsNoSeparator)
{
    const std::string hyo = "\x95\x5C";   // one double-byte character
    EXPECT_EQ(FolderOfModulePath("C:\\Tools\\" + hyo + ".exe", IsShiftJisLeadByte), "C:\\Tools\\");
    EXPECT_EQ(FolderOfModulePath("C:\\" + hyo + "\\x.exe", IsShiftJisLeadByte), "C:\\" + hyo + "\\");
    EXPECT_EQ(FolderOfModulePath("C:\\a\\" + hyo, IsShiftJisLeadByte), "C:\\a\\");
    // A lead byte at the very end has no second half to skip.
    EXPECT_EQ(FolderOfModulePath("C:\\a\\\x95", IsShiftJisLeadByte), "C:\\a\\");
    // Without the predicate the same bytes read as a separator.
    EXPECT_EQ(FolderOfModulePath("C:\\Tools\\" + hyo + ".exe"), "C:\\Tools\\" + hyo);
}

}  // namespace
