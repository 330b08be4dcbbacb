#include "cmd_operators.h"

bool HasCmdOperatorOutsideQuotes(const std::string& line)
{
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '&' || c == '|' || c == '<' || c == '>' || c == '^'))
            return true;
    }
    return false;
}
