#include "app/key_value_command_line_info.h"

#include <utility>

std::string MakeLower(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

void CKeyValueCommandLineInfo::ParseParam(const char* param, bool isFlag, bool /*isLast*/)
{
    // Flags carry no options, not even one written as -mode=launchqx.
    if (isFlag)
        return;

    const std::string text(param);
    const std::string::size_type eq = text.find('=');
    std::string name;
    std::string value;
    if (eq != std::string::npos) {
        name = MakeLower(text.substr(0, eq));
        value = text.substr(eq + 1);
    }
    m_options[name] = value;
}

std::string CKeyValueCommandLineInfo::GetOption(std::string name) const
{
    const auto it = m_options.find(MakeLower(std::move(name)));
    return it == m_options.end() ? std::string() : it->second;
}

bool IsNavigateMode(const std::string& mode)
{
    return MakeLower(mode) == "launchqx";
}
