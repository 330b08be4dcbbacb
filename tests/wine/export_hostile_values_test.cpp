// Values that cmd, the C run time or MATLAB would read as something other
// than text, typed into the export window and exported end to end. Each
// must reach MATLAB as it was typed, start MATLAB exactly once and make cmd
// do nothing else.
#include "export_steps.h"
#include "feldora_process.h"
#include "feldora_ui.h"
#include "files.h"
#include "launched_programs.h"
#include "settings_file.h"
#include "stand_in_records.h"
#include "temp_folder.h"
#include "window_access.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct HostileValue {
    const char* name;
    std::string value;
};

void PrintTo(const HostileValue& v, std::ostream* os)
{
    *os << v.name;
}

// The export of a value in one box, the others holding ordinary text; and
// with the value in every box at once (field -1).
ExportInputs InputsWith(const std::string& value, int field)
{
    ExportInputs inputs = {"C:\\models\\plant.mdl", "https://h:9443/qx", "area", "user", "password"};
    // The address must still end in "qx" to be exported.
    std::string* boxes[] = {&inputs.model, &inputs.server, &inputs.projectArea, &inputs.userName,
                            &inputs.password};
    for (int i = 0; i < 5; ++i) {
        if (field == i || field == -1)
            *boxes[i] = (i == 1) ? value + "qx" : value;
    }
    return inputs;
}

// What Wine's profile functions keep of a value: they drop leading blanks.
std::string AsStored(const std::string& value)
{
    size_t first = value.find_first_not_of(" \t");
    return first == std::string::npos ? std::string() : value.substr(first);
}

class HostileExport : public testing::TestWithParam<HostileValue> {};

TEST_P(HostileExport, ArrivesExactlyInEveryBox)
{
    const std::string& value = GetParam().value;
    TempFolder folder;
    FeldoraProcess feldora("", folder);
    HWND dialog = feldora.WaitForWindow(kExportTitle);
    ASSERT_NE(dialog, nullptr);

    // Six exports in a row: the value in each box alone, then in all boxes.
    // The programs they start run side by side; each record is matched to
    // its export by the values it carries.
    std::vector<ExportInputs> exported;
    for (int field : {0, 1, 2, 3, 4, -1}) {
        exported.push_back(InputsWith(value, field));
        FillExportWindow(dialog, exported.back());
        ASSERT_TRUE(RunExport(dialog, folder)) << "export with the value in field " << field;
    }
    EXPECT_TRUE(WaitForMatlabStarts(folder, exported.size()));
    ASSERT_TRUE(WaitForLaunchedProgramsToEnd());

    std::vector<MatlabStart> starts = MatlabStarts(folder);
    std::vector<std::string> places = {folder.Path(), folder.WorkFolder(), FeldoraFolder()};
    for (const MatlabStart& start : starts) {
        if (std::find(places.begin(), places.end(), start.workingFolder + "\\") == places.end())
            places.push_back(start.workingFolder + "\\");
    }
    for (const std::string& place : places)
        EXPECT_FALSE(FileExists(place + "injected.txt")) << "cmd ran a command of its own in " << place;

    EXPECT_EQ(starts.size(), exported.size()) << "MATLAB was not started exactly once per export";
    std::vector<bool> matched(exported.size(), false);
    for (const MatlabStart& start : starts) {
        SCOPED_TRACE("command line: " + start.commandLine);
        std::vector<std::string> values;
        if (!ExportCallValues(start, &values)) {
            ADD_FAILURE() << "not matlab -automation -r and a qx_publisher_win call MATLAB would evaluate";
            continue;
        }
        size_t i = 0;
        while (i < exported.size() && (matched[i] || ExpectedCallValues(exported[i]) != values))
            ++i;
        if (i < exported.size())
            matched[i] = true;
        else
            ADD_FAILURE() << "MATLAB got values that were not exported: " << testing::PrintToString(values);
    }

    // The last export stored the value of every box.
    std::string text;
    ASSERT_TRUE(ReadWholeFile(SettingsFilePath(folder), &text));
    std::string stored;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "serverUri", &stored) && stored == AsStored(value + "qx")) << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "projectArea", &stored) && stored == AsStored(value)) << text;
    EXPECT_TRUE(FindIniValue(text, "tarnivex", "userName", &stored) && stored == AsStored(value)) << text;
    EXPECT_TRUE(feldora.Running());
}

INSTANTIATE_TEST_SUITE_P(ExportCommand, HostileExport, testing::Values(
    HostileValue{"Apostrophe", "it's"},
    HostileValue{"Apostrophes", "''"},
    HostileValue{"MatlabBreakOut", "x'),evil('y"},
    HostileValue{"DoubleQuote", "a\"b"},
    HostileValue{"LoneDoubleQuote", "\""},
    HostileValue{"DoubleQuotes", "\"\""},
    HostileValue{"CmdInjection", "\" & echo x> injected.txt & \""},
    HostileValue{"CmdInjectionUnquoted", "& echo x> injected.txt"},
    HostileValue{"PercentPath", "%PATH%"},
    HostileValue{"DoublePercent", "100%%"},
    HostileValue{"Percent", "%"},
    HostileValue{"Exclamation", "!PATH!"},
    HostileValue{"Pipe", "a|b"},
    HostileValue{"Less", "a<b"},
    HostileValue{"Greater", "a>b"},
    HostileValue{"Caret", "a^b^"},
    HostileValue{"Parentheses", "(a)b)"},
    HostileValue{"Ampersand", "a&b"},
    HostileValue{"CommaAndBlanks", "a, b ,c"},
    HostileValue{"BlanksOnly", "   "},
    HostileValue{"Tab", "a\tb"},
    HostileValue{"TrailingBackslash", "C:\\folder\\"},
    HostileValue{"Backslashes", "\\\\"},
    HostileValue{"BackslashQuote", "\\\""},
    HostileValue{"HighBytes", "\xE9t\xE9 \xA7\xFF"}),
    [](const testing::TestParamInfo<HostileValue>& info) { return std::string(info.param.name); });

}  // namespace
