// The address of a model's page on the QX server.
#include "navigate/page_address.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kQuery = "/simulink/explorer?get&requestType=navtomodel&modelName=";

TEST(ComposeModelPageAddress, PlainValues)
{
    struct Case {
        const char* server;
        const char* model;
        const char* area;
        std::string address;
    };
    const Case cases[] = {
        {"https://h:9443/qx", "plant", "", "https://h:9443/qx" + kQuery + "plant"},
        {"https://h:9443/qx", "plant", "Area1", "https://h:9443/qx" + kQuery + "plant&projectName=Area1"},
        {"https://h:9443/qx", "", "", "https://h:9443/qx" + kQuery},
        {"https://h:9443/qx", "", "Area1", "https://h:9443/qx" + kQuery + "&projectName=Area1"},
        {"https://h:9443/qx/", "plant", "", "https://h:9443/qx" + kQuery + "plant"},
        {"https://h:9443/qx/", "plant", "Area1", "https://h:9443/qx" + kQuery + "plant&projectName=Area1"},
        {"HTTP://H/QX", "Plant_1-v2.0~x", "", "HTTP://H/QX" + kQuery + "Plant_1-v2.0~x"},
        // The server address is the user's own and goes in as typed.
        {"https://h/qx?x=1 y", "m", "", "https://h/qx?x=1 y" + kQuery + "m"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ComposeModelPageAddress(c.server, c.model, c.area), c.address)
            << c.server << " | " << c.model << " | " << c.area;
}

TEST(ComposeModelPageAddress, ModelNameAndProjectAreaArePercentEncoded)
{
    struct Case {
        std::string text;
        std::string encoded;
    };
    const Case cases[] = {
        {"a b", "a%20b"},
        {"a&b=c#d?e+f%g", "a%26b%3Dc%23d%3Fe%2Bf%25g"},
        {"x&projectName=evil", "x%26projectName%3Devil"},
        {"/..\\:;@'\"<>", "%2F..%5C%3A%3B%40%27%22%3C%3E"},
        {"\x01\x1F\x7F", "%01%1F%7F"},
        {std::string("\0", 1), "%00"},
        {" lead trail ", "%20lead%20trail%20"},
        {"AZaz09-._~", "AZaz09-._~"},
        // Bytes of the ANSI code page above ASCII stay as they are.
        {"caf\xE9 \x80\xFF", "caf\xE9%20\x80\xFF"},
    };
    const std::string server = "https://h:9443/qx";
    for (const Case& c : cases) {
        EXPECT_EQ(ComposeModelPageAddress(server, c.text, ""), server + kQuery + c.encoded) << c.text;
        EXPECT_EQ(ComposeModelPageAddress(server, "m", c.text),
                  server + kQuery + "m&projectName=" + c.encoded)
            << c.text;
    }
}

TEST(IsWebAddress, OnlyHttpAndHttpsInAnyCase)
{
    struct Case {
        const char* address;
        bool web;
    };
    const Case cases[] = {
        {"https://h:9443/qx", true},
        {"http://h/qx", true},
        {"HTTPS://H/QX", true},
        {"HtTp://h", true},
        {"http://", true},
        {"", false},
        {"https:", false},
        {"https:/h/qx", false},
        {"https:\\\\h\\qx", false},
        {" https://h/qx", false},
        {"httpx://h", false},
        {"ftp://h/qx", false},
        {"file:///C:/Windows/system32/calc.exe", false},
        {"C:\\Windows\\system32\\calc.exe", false},
        {"\\\\srv\\share\\x.exe", false},
        {"javascript:alert(1)", false},
        {"h:9443/qx", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsWebAddress(c.address), c.web) << '[' << c.address << ']';
}

}  // namespace
