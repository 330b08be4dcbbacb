// The choice between the export window and the navigate window.
#include "app/key_value_command_line_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(IsNavigateMode, OnlyLaunchqxInAnyCase)
{
    struct Case {
        const char* mode;
        bool navigate;
    };
    const Case cases[] = {
        {"", false},          {"launchqx", true},    {"LaunchQX", true},    {"LAUNCHQX", true},
        {"lAuNcHqX", true},   {"launchqx2", false},  {"launch", false},     {" launchqx", false},
        {"launchqx ", false}, {"launchqx=", false},  {"launchqx=x", false}, {"export", false},
        {"launch qx", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNavigateMode(c.mode), c.navigate) << '[' << c.mode << ']';
}

// The "mode" value as start-up reads it from the parameters.
bool NavigatesWith(std::vector<const char*> params)
{
    params.insert(params.begin(), "Feldora.exe");
    CKeyValueCommandLineInfo info;
    DeliverCommandLine(static_cast<int>(params.size()), params.data(), info);
    return IsNavigateMode(info.GetOption("mode"));
}

TEST(IsNavigateMode, AsReadFromTheCommandLine)
{
    EXPECT_FALSE(NavigatesWith({}));
    EXPECT_TRUE(NavigatesWith({"mode=LaunchQX"}));
    EXPECT_TRUE(NavigatesWith({"MODE=launchqx", "model=C:\\m.mdl"}));
    EXPECT_FALSE(NavigatesWith({"-mode=launchqx"}));
    EXPECT_FALSE(NavigatesWith({"/mode=launchqx"}));
    EXPECT_FALSE(NavigatesWith({"mode=launchqx=more"}));
    EXPECT_FALSE(NavigatesWith({"mode=launchqx", "mode=export"}));
    EXPECT_TRUE(NavigatesWith({"mode=export", "Mode=launchqx"}));
    EXPECT_FALSE(NavigatesWith({"modelname=plant"}));
}

}  // namespace
