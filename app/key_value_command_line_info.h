// The command line as name=value options. Names are kept in lower case so
// that they match in any case; values are kept exactly as written.
#pragma once

#include "framework/command_line.h"

#include <map>
#include <string>

class CKeyValueCommandLineInfo : public CCommandLineInfo {
public:
    void ParseParam(const char* param, bool isFlag, bool isLast) override;

    // The value stored under name (in any case), or "" when there is none.
    std::string GetOption(std::string name) const;

    const std::map<std::string, std::string>& Options() const { return m_options; }

private:
    std::map<std::string, std::string> m_options;
};

// Lower-cases the letters A to Z only, as the option names are compared.
std::string MakeLower(std::string text);

// True when the "mode" option asks for the navigate window.
bool IsNavigateMode(const std::string& mode);
