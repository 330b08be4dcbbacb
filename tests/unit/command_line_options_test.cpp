// The name=value options, fed word by word as the framework delivers them.
#include "app/key_value_command_line_info.h"
#include "framework/command_line.h"
#include "crt_split.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using OptionMap = std::map<std::string, std::string>;

// Delivers the parameters after a program path, as argv would hold them.
void Deliver(const std::vector<std::string>& params, CKeyValueCommandLineInfo& info)
{
    std::vector<const char*> argv{"C:\\Tools\\Feldora.exe"};
    for (const std::string& p : params)
        argv.push_back(p.c_str());
    DeliverCommandLine(static_cast<int>(argv.size()), argv.data(), info);
}

OptionMap OptionsOf(const std::vector<std::string>& params)
{
    CKeyValueCommandLineInfo info;
    Deliver(params, info);
    return info.Options();
}

struct OptionsCase {
    std::vector<std::string> params;
    OptionMap expected;
};

void PrintTo(const OptionsCase& c, std::ostream* os)
{
    for (const std::string& p : c.params)
        *os << '[' << p << ']';
}

class OptionTable : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(OptionTable, StoresWhatTheParametersSay)
{
    EXPECT_EQ(OptionsOf(GetParam().params), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, OptionTable, ::testing::Values(
    OptionsCase{{"model=C:\\models\\plant.mdl"}, {{"model", "C:\\models\\plant.mdl"}}},
    OptionsCase{{"MODE=LaunchQX", "ModelName=Plant_1", "/verbose", "-x", "extra"},
                {{"mode", "LaunchQX"}, {"modelname", "Plant_1"}, {"", ""}}},
    OptionsCase{{"model=a.mdl", "model=b.mdl"}, {{"model", "b.mdl"}}},
    OptionsCase{{"model=C:\\a=b\\plant.mdl"}, {{"model", "C:\\a=b\\plant.mdl"}}},
    OptionsCase{{"mode", "=", "launchqx"}, {{"", ""}}},
    OptionsCase{{"-mode=launchqx"}, {}}));

INSTANTIATE_TEST_SUITE_P(EdgeCases, OptionTable, ::testing::Values(
    OptionsCase{{}, {}},
    OptionsCase{{"="}, {{"", ""}}},
    OptionsCase{{"name="}, {{"name", ""}}},
    OptionsCase{{"=value"}, {{"", "value"}}},
    // A later word without "=" replaces what the empty name held.
    OptionsCase{{"=value", "plain"}, {{"", ""}}},
    OptionsCase{{"MoDeL=X", "model=Y"}, {{"model", "Y"}}},
    OptionsCase{{"model=Y", "MODEL=X"}, {{"model", "X"}}},
    // Nothing is trimmed on either side of the "=".
    OptionsCase{{" mode=x"}, {{" mode", "x"}}},
    OptionsCase{{"mode= launchqx "}, {{"mode", " launchqx "}}},
    OptionsCase{{"-", "/"}, {}},
    OptionsCase{{"/model=C:\\m.mdl", "-mode=launchqx"}, {}},
    OptionsCase{{"model=-x.mdl"}, {{"model", "-x.mdl"}}},
    OptionsCase{{"model=/data/x.mdl"}, {{"model", "/data/x.mdl"}}},
    // A word that was only "" on the command line arrives empty.
    OptionsCase{{""}, {{"", ""}}},
    OptionsCase{{"model=C:\\Models\\PLANT.MDL"}, {{"model", "C:\\Models\\PLANT.MDL"}}},
    OptionsCase{{"a==b="}, {{"a", "=b="}}},
    // Only A to Z are lowered; their neighbours and other bytes stay.
    OptionsCase{{"ABCDEFGHIJKLMNOPQRSTUVWXYZ@[`{\xC9=V"}, {{"abcdefghijklmnopqrstuvwxyz@[`{\xC9", "V"}}}));

TEST(GetOption, MatchesNamesInAnyCase)
{
    CKeyValueCommandLineInfo info;
    Deliver({"MoDeL=C:\\m.mdl"}, info);
    for (const char* name : {"model", "MODEL", "Model", "mOdEl"})
        EXPECT_EQ(info.GetOption(name), "C:\\m.mdl") << name;
    EXPECT_EQ(info.GetOption("mode"), "");
    EXPECT_EQ(info.GetOption("models"), "");
}

TEST(GetOption, EmptyValueAndAbsentOptionLookAlike)
{
    CKeyValueCommandLineInfo info;
    Deliver({"model="}, info);
    EXPECT_EQ(info.GetOption("model"), "");
    EXPECT_EQ(info.GetOption("modelname"), "");
}

TEST(GetOption, NameWithLeadingBlankIsNotFound)
{
    CKeyValueCommandLineInfo info;
    Deliver({" mode=launchqx"}, info);
    EXPECT_EQ(info.GetOption("mode"), "");
    EXPECT_EQ(info.GetOption(" MODE"), "launchqx");
}

TEST(GetOption, NothingDeliveredGivesEmptyValues)
{
    CKeyValueCommandLineInfo info;
    const char* const argv[] = {"Feldora.exe"};
    DeliverCommandLine(1, argv, info);
    EXPECT_TRUE(info.Options().empty());
    EXPECT_EQ(info.GetOption("mode"), "");
    EXPECT_EQ(info.GetOption(""), "");
}

// What DeliverCommandLine hands to ParseParam, word by word.
class RecordingInfo : public CCommandLineInfo {
public:
    struct Call {
        std::string param;
        bool isFlag;
        bool isLast;
        bool operator==(const Call& o) const
        {
            return param == o.param && isFlag == o.isFlag && isLast == o.isLast;
        }
    };
    void ParseParam(const char* param, bool isFlag, bool isLast) override
    {
        calls.push_back({param, isFlag, isLast});
    }
    std::vector<Call> calls;
};

void PrintTo(const RecordingInfo::Call& c, std::ostream* os)
{
    *os << '{' << c.param << ',' << c.isFlag << ',' << c.isLast << '}';
}

TEST(DeliverCommandLine, SkipsProgramAndStripsOneFlagCharacter)
{
    const char* const argv[] = {"-prog.exe", "a=b", "-x", "/y=1", "//z", "-", "m=-x", "last"};
    RecordingInfo info;
    DeliverCommandLine(8, argv, info);
    const std::vector<RecordingInfo::Call> expected{
        {"a=b", false, false}, {"x", true, false},   {"y=1", true, false}, {"/z", true, false},
        {"", true, false},     {"m=-x", false, false}, {"last", false, true}};
    EXPECT_EQ(info.calls, expected);
}

TEST(DeliverCommandLine, LoneFlagIsAlsoTheLast)
{
    const char* const argv[] = {"prog.exe", "/verbose"};
    RecordingInfo info;
    DeliverCommandLine(2, argv, info);
    const std::vector<RecordingInfo::Call> expected{{"verbose", true, true}};
    EXPECT_EQ(info.calls, expected);
}

// The whole path from the process's command line: the C run time removes
// the quotes before the options see the words.
TEST(OptionsFromCommandLine, QuotesAroundParameterOrValueAreRemoved)
{
    struct Case {
        const char* line;
        OptionMap expected;
    };
    const Case cases[] = {
        {"Feldora.exe \"model=C:\\My Models\\p.mdl\"", {{"model", "C:\\My Models\\p.mdl"}}},
        {"Feldora.exe model=\"C:\\My Models\\p.mdl\"", {{"model", "C:\\My Models\\p.mdl"}}},
        {"Feldora.exe \" mode=x\"", {{" mode", "x"}}},
        {"Feldora.exe mode = launchqx", {{"", ""}}},
        {"Feldora.exe \"-mode=launchqx\" model=m", {{"model", "m"}}},
    };
    for (const Case& c : cases) {
        const std::vector<std::string> words = SplitCommandLineLikeCrt(c.line);
        ASSERT_FALSE(words.empty()) << c.line;
        EXPECT_EQ(OptionsOf({words.begin() + 1, words.end()}), c.expected) << c.line;
    }
}

}  // namespace
