// The helpers that model cmd, the C run time and MATLAB: the round-trip
// tests of the export command line are only as good as these.
#include "cmd_operators.h"
#include "crt_split.h"
#include "matlab_eval.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

TEST(SplitCommandLineLikeCrt, ExampleSeenUnderWine)
{
    EXPECT_EQ(SplitCommandLineLikeCrt(
                  "matlab -automation -r qx_publisher_win('\"C:\\m.mdl\"','\"https://h:9443/qx/rootservices\"',"
                  "'\"a b\"','\"u\"','\"p\"','\"C:\\Tools\\\"',0)"),
              (Words{"matlab", "-automation", "-r",
                     "qx_publisher_win('C:\\m.mdl','https://h:9443/qx/rootservices','a b','u','p',"
                     "'C:\\Tools\"',0)"}));
}

TEST(SplitCommandLineLikeCrt, Rules)
{
    struct Case {
        const char* line;
        Words words;
    };
    const Case cases[] = {
        {"", {}},
        {" \t ", {}},
        {"  a \t b\tc  ", {"a", "b", "c"}},
        {"\"a b\" c", {"a b", "c"}},
        {"a\"b c\"d", {"ab cd"}},
        {"\"\"", {""}},
        {"a \"\" b", {"a", "", "b"}},
        {"a\\b\\\\c", {"a\\b\\\\c"}},
        {"a\\\\\"b c\"", {"a\\b c"}},       // 2 backslashes and a quote
        {"a\\\\\\\"b c", {"a\\\"b", "c"}},  // 3 backslashes and a quote
        {"\"a\\\\\" b", {"a\\", "b"}},
        {"\"a\\\" b\"", {"a\" b"}},
        {"a\\", {"a\\"}},
        // Two quotes inside a quoted stretch: one literal quote, and the
        // stretch ends there, so the blank after it separates.
        {"\"a\"\"b c\"", {"a\"b", "c"}},
        {"\"a b", {"a b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommandLineLikeCrt(c.line), c.words) << c.line;
}

TEST(EvaluateMatlabValue, AcceptsWhatTheEncoderWrites)
{
    struct Case {
        const char* expr;
        std::string value;
    };
    const Case cases[] = {
        {"'plain'", "plain"},
        {"''", ""},
        {"'it''s'", "it's"},
        {"''''", "'"},
        {"'a\"b'", "a\"b"},
        {"char(0)", std::string(1, '\0')},
        {"char(255)", "\xFF"},
        {"['C:\\Tools',char(92)]", "C:\\Tools\\"},
        {"[char(34),'a,b]',char(37)]", "\"a,b]%"},
        {"['x']", "x"},
    };
    for (const Case& c : cases) {
        std::string value;
        EXPECT_TRUE(EvaluateMatlabValue(c.expr, &value)) << c.expr;
        EXPECT_EQ(value, c.value) << c.expr;
    }
}

TEST(EvaluateMatlabValue, RejectsEverythingElse)
{
    for (const char* expr : {"", "plain", "'open", "'a'b'", "'a''", "\"dq\"", "'a' ", " 'a'", "[]",
                             "['a' ,'b']", "['a'", "'a']", "[['a']]", "['a',]", "char(256)", "char()",
                             "char(65", "char(-1)", "char(0065)", "CHAR(65)", "char(65)'", "'a'+'b'",
                             "'line\nbreak'", "'tab\there'"}) {
        std::string value = "unchanged";
        EXPECT_FALSE(EvaluateMatlabValue(expr, &value)) << expr;
        EXPECT_EQ(value, "unchanged") << expr;
    }
}

TEST(ParsePublisherCall, GivesTheSixValues)
{
    std::vector<std::string> values;
    ASSERT_TRUE(ParsePublisherCall(
        "qx_publisher_win('C:\\m.mdl','https://h/qx/rootservices','a b','u','p',['C:\\Tools',char(92)],0)",
        &values));
    EXPECT_EQ(values, (Words{"C:\\m.mdl", "https://h/qx/rootservices", "a b", "u", "p", "C:\\Tools\\"}));

    ASSERT_TRUE(ParsePublisherCall("qx_publisher_win('a,b',[',',char(44)],'),0)','','','',0)", &values));
    EXPECT_EQ(values, (Words{"a,b", ",,", "),0)", "", "", ""}));
}

TEST(ParsePublisherCall, RejectsOtherCalls)
{
    for (const char* word : {
             "qx_publisher_win('a','b','c','d','e',0)",
             "qx_publisher_win('a','b','c','d','e','f','g',0)",
             "qx_publisher_win('a','b','c','d','e','f',1)",
             "qx_publisher_win('a','b','c','d','e','f',0",
             "qx_publisher_win('a','b','c','d','e','f',0);",
             "qx_publisher_win('a','b','c','d','e','f')",
             "qx_publisher('a','b','c','d','e','f',0)",
             "qx_publisher_win ('a','b','c','d','e','f',0)",
             "qx_publisher_win('a', 'b','c','d','e','f',0)",
             "qx_publisher_win('a','b','c','d','e','f\",0)",
             "qx_publisher_win('C:\\Tools\"',0)",
         }) {
        std::vector<std::string> values;
        EXPECT_FALSE(ParsePublisherCall(word, &values)) << word;
    }
}

TEST(HasCmdOperatorOutsideQuotes, QuotesToggleAtEveryDoubleQuote)
{
    EXPECT_FALSE(HasCmdOperatorOutsideQuotes("matlab -r f('\"a & b | c < d > e ^ f\"')"));
    EXPECT_TRUE(HasCmdOperatorOutsideQuotes("matlab -r f('a & b')"));
    EXPECT_TRUE(HasCmdOperatorOutsideQuotes("\"a\" ^b"));
    EXPECT_TRUE(HasCmdOperatorOutsideQuotes("\"a\\\" & b\""));   // a backslash does not keep cmd quoted
    EXPECT_FALSE(HasCmdOperatorOutsideQuotes("\"a\"\" > b\""));   // "" closes and reopens
}

}  // namespace
