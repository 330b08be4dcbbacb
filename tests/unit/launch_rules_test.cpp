// The working folder of a launch and the server-address check.
#include "shell/launch_rules.h"

#include <gtest/gtest.h>

namespace {

TEST(WorkingFolderFor, TextBeforeLastBackslashOrWholeTarget)
{
    struct Case {
        const char* target;
        const char* folder;
    };
    const Case cases[] = {
        {"cmd", "cmd"},
        {"C:\\Windows\\system32\\cmd.exe", "C:\\Windows\\system32"},
        {"\\\\srv\\share\\tool.exe", "\\\\srv\\share"},
        {"C:\\cmd.exe", "C:"},
        {"a\\b", "a"},
        {"a\\", "a"},
        // A backslash only at position 0 does not count.
        {"\\cmd", "\\cmd"},
        {"\\\\", "\\"},
        {"C:/Tools/x.exe", "C:/Tools/x.exe"},
        {"https://h:9443/qx/simulink/explorer?get&requestType=navtomodel&modelName=m",
         "https://h:9443/qx/simulink/explorer?get&requestType=navtomodel&modelName=m"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WorkingFolderFor(c.target), c.folder) << '[' << c.target << ']';
}

TEST(IsServerAddressValid, EndsInQxInAnyCase)
{
    struct Case {
        const char* address;
        bool valid;
    };
    const Case cases[] = {
        {"", false},
        {"q", false},
        {"x", false},
        {"qx", true},
        {"QX", true},
        {"Qx", true},
        {"qX", true},
        {"xq", false},
        {"https://h:9443/qx", true},
        {"https://h:9443/QX", true},
        {"anything at all qx", true},
        {"https://h:9443/qx/", false},
        {"https://h:9443/qx ", false},
        {"https://h:9443/q", false},
        {"https://h:9443/qxx", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsServerAddressValid(c.address), c.valid) << '[' << c.address << ']';
}

}  // namespace
