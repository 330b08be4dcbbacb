// Options from any words: parsing never fails, stored names hold no upper
// case letter A-Z, and a name keeps the value of the last word that gave it.
#include "app/key_value_command_line_info.h"
#include "framework/command_line.h"
#include "require.h"
#include "split_input.h"

#include <map>
#include <string>
#include <vector>

static std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::vector<std::string> words = SplitAtZeroBytes(data, size);

    std::vector<const char*> argv{"Feldora.exe"};
    for (const std::string& word : words)
        argv.push_back(word.c_str());
    CKeyValueCommandLineInfo info;
    DeliverCommandLine(static_cast<int>(argv.size()), argv.data(), info);

    for (const auto& entry : info.Options()) {
        for (char c : entry.first)
            Require(c < 'A' || c > 'Z', "stored names are lower case");
    }

    // Walk the words backwards: the first word met for a name is its last
    // on the command line, and its value is the one stored.
    std::map<std::string, std::string> expected;
    for (auto it = words.rbegin(); it != words.rend(); ++it) {
        const std::string& word = *it;
        if (!word.empty() && (word[0] == '-' || word[0] == '/'))
            continue;
        const std::string::size_type eq = word.find('=');
        const std::string name = eq == std::string::npos ? "" : MakeLower(word.substr(0, eq));
        const std::string value = eq == std::string::npos ? "" : word.substr(eq + 1);
        expected.emplace(name, value);   // keeps an entry already there
    }
    Require(info.Options() == expected, "each name holds the value of its last word, flags ignored");

    for (const auto& entry : expected) {
        Require(info.GetOption(entry.first) == entry.second, "GetOption finds the stored value");
        Require(info.GetOption(UpperAscii(entry.first)) == entry.second, "GetOption ignores case");
    }
    return 0;
}
