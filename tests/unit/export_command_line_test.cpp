// The MATLAB export command line: its exact form for ordinary values, and
// for any value that it survives cmd, the C run time and MATLAB unchanged.
#include "export/matlab_command.h"
#include "cmd_operators.h"
#include "crt_split.h"
#include "matlab_eval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

TEST(AppendRootServices, AddsSlashOnlyWhenMissing)
{
    EXPECT_EQ(AppendRootServices("https://h:9443/qx"), "https://h:9443/qx/rootservices");
    EXPECT_EQ(AppendRootServices("https://h:9443/QX"), "https://h:9443/QX/rootservices");
    EXPECT_EQ(AppendRootServices("https://h:9443/qx/"), "https://h:9443/qx/rootservices");
    EXPECT_EQ(AppendRootServices("qx"), "qx/rootservices");
    EXPECT_EQ(AppendRootServices(""), "/rootservices");
}

TEST(PathToolCommandLine, IsFixed)
{
    EXPECT_STREQ(kPathToolCommandLine, "/c matlab -automation -r pathtool");
}

ExportArguments TypicalArguments()
{
    ExportArguments args;
    args.modelPath = "C:\\models\\plant.mdl";
    args.serverAddress = "https://h:9443/qx/rootservices";
    args.projectArea = "a b";
    args.userName = "u";
    args.password = "p";
    args.programFolder = "C:\\Tools\\";
    return args;
}

TEST(ComposeExportCommandLine, OrdinaryValuesKeepTheirQuotedForm)
{
    // The folder's trailing backslash would escape the closing quote, so it
    // alone goes out as a character code.
    EXPECT_EQ(ComposeExportCommandLine(TypicalArguments()),
              "/c matlab -automation -r qx_publisher_win('\"C:\\models\\plant.mdl\"',"
              "'\"https://h:9443/qx/rootservices\"','\"a b\"','\"u\"','\"p\"',"
              "['\"C:\\Tools\"',char(92)],0)");
}

TEST(ComposeExportCommandLine, EmptyProgramFolderStandsBetweenItsQuotes)
{
    ExportArguments args = TypicalArguments();
    args.programFolder = "";
    EXPECT_EQ(ComposeExportCommandLine(args),
              "/c matlab -automation -r qx_publisher_win('\"C:\\models\\plant.mdl\"',"
              "'\"https://h:9443/qx/rootservices\"','\"a b\"','\"u\"','\"p\"','\"\"',0)");
}

TEST(EncodeMatlabArgument, FormOfEachKindOfValue)
{
    struct Case {
        std::string value;
        std::string encoded;
    };
    const Case cases[] = {
        {"plant", "'\"plant\"'"},
        {"", "'\"\"'"},
        {"a b & c | d < e > f ^ (g)", "'\"a b & c | d < e > f ^ (g)\"'"},
        {"C:\\a\\b", "'\"C:\\a\\b\"'"},
        {"caf\xE9 \x80\xFF", "'\"caf\xE9 \x80\xFF\"'"},
        {"C:\\Tools\\", "['\"C:\\Tools\"',char(92)]"},
        {"O'Brien", "['\"O''Brien\"']"},
        {"say \"hi\"", "['\"say \"',char(34),'\"hi\"',char(34)]"},
        {"100%", "['\"100\"',char(37)]"},
        {"a\\\"b", "['\"a\"',char(92),char(34),'\"b\"']"},
        {"\\\\", "[char(92),char(92)]"},
        {"tab\there", "['\"tab\"',char(9),'\"here\"']"},
        {"\x7F", "[char(127)]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeMatlabArgument(c.value), c.encoded) << c.value;
}

// What MATLAB receives: cmd hands "matlab ..." on unchanged (it has nothing
// to expand or act on), the C run time splits it, MATLAB evaluates the call.
void ExpectRoundTrip(const ExportArguments& args)
{
    const std::string line = ComposeExportCommandLine(args);
    SCOPED_TRACE(line);

    EXPECT_EQ(line.find('%'), std::string::npos);
    EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0);
    EXPECT_FALSE(HasCmdOperatorOutsideQuotes(line));
    EXPECT_TRUE(std::none_of(line.begin(), line.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
    }));

    const std::string head = "/c ";
    ASSERT_EQ(line.compare(0, head.size(), head), 0);
    const std::vector<std::string> words = SplitCommandLineLikeCrt(line.substr(head.size()));
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(words[0], "matlab");
    EXPECT_EQ(words[1], "-automation");
    EXPECT_EQ(words[2], "-r");

    std::vector<std::string> values;
    ASSERT_TRUE(ParsePublisherCall(words[3], &values)) << words[3];
    const std::vector<std::string> expected{args.modelPath, args.serverAddress, args.projectArea,
                                            args.userName,  args.password,      args.programFolder};
    EXPECT_EQ(values, expected);
}

TEST(ComposeExportCommandLine, TypicalValuesComeBackToMatlab)
{
    ExpectRoundTrip(TypicalArguments());
}

const std::vector<std::string>& HostileValues()
{
    static const std::vector<std::string> values{
        "O'Brien", "'", "''", "it's 'quoted'",
        "\"", "\"\"", "say \"hi\"", "a\"b c\"d",
        "%PATH%", "%%", "100%", "%~dp0", "%1",
        "\" & echo x> injected.txt & \"", "& echo x",
        "a|b", "<in", "out>", ">>log", "a^b", "^", "(x)", ")", "(",
        "a,b", "[a]", "char(65)", "'a',char(66)", "0)", "a;b", "!PATH!",
        " ", "   ", "\t", " lead", "trail ",
        "C:\\Tools\\", "\\", "\\\\", "\\\\\\", "a\\\"b", "a\\\\\"b", "\\\"", "\\\"\\",
        "a\\'b", "\\'", "'\\",
        "tab\there", "line\r\nnext", "\n", std::string("nul\0x", 5), "\x1B[31m", "\x7F",
        "\x80", "\xFF", "caf\xE9", "\xA0nbsp", "\x95\x5C", "\x95\x5C\\",
        "",
    };
    return values;
}

class HostileValue : public ::testing::TestWithParam<std::string> {};

TEST_P(HostileValue, ComesBackExactlyInEveryPosition)
{
    ExportArguments args;
    args.modelPath = GetParam();
    args.serverAddress = GetParam();
    args.projectArea = GetParam();
    args.userName = GetParam();
    args.password = GetParam();
    args.programFolder = GetParam();
    ExpectRoundTrip(args);
}

TEST_P(HostileValue, ComesBackBesideOrdinaryValues)
{
    ExportArguments args = TypicalArguments();
    args.password = GetParam();
    ExpectRoundTrip(args);
    args = TypicalArguments();
    args.modelPath = "C:\\My Models\\" + GetParam() + ".mdl";
    args.programFolder = GetParam() + "\\";
    ExpectRoundTrip(args);
}

INSTANTIATE_TEST_SUITE_P(Values, HostileValue, ::testing::ValuesIn(HostileValues()));

TEST(ComposeExportCommandLine, SixDifferentHostileValues)
{
    ExportArguments args;
    args.modelPath = "C:\\it's \"my\" model\\%TEMP%.mdl";
    args.serverAddress = "https://h:9443/qx?a=1&b=%20/rootservices";
    args.projectArea = "\" & echo x> injected.txt & \"";
    args.userName = "DOMAIN\\";
    args.password = "p'w\"d\\\"%%\t^|";
    args.programFolder = "\\\\srv\\share\\\xE9\\";
    ExpectRoundTrip(args);
}

}  // namespace

namespace {

bool IsShiftJisLeadByteForEncoding(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// In a double-byte code page the second byte of a character such as 0x95 0x5C
// is no backslash: splitting it off would leave half a character in front of
// the closing quote.
TEST(EncodeMatlabArgument, DoubleByteCharacterEndingIn5CStaysWhole)
{
    const std::string hyo = "\x95\x5C";
    const struct {
        std::string value;
        std::string encoded;
    } cases[] = {
        {"C:\\" + hyo, "'\"C:\\" + hyo + "\"'"},
        {"C:\\" + hyo + "\\", "['\"C:\\" + hyo + "\"',char(92)]"},
        {hyo + "%", "['\"" + hyo + "\"',char(37)]"},
        {"a\\" + hyo + "\\\\", "['\"a\\" + hyo + "\"',char(92),char(92)]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EncodeMatlabArgument(c.value, IsShiftJisLeadByteForEncoding), c.encoded) << c.value;

    // Without the code page's help the same bytes are single characters.
    EXPECT_EQ(EncodeMatlabArgument("C:\\" + hyo), "['\"C:\\\x95\"',char(92)]");
}

}  // namespace
