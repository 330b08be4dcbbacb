#include "shell/launch_rules.h"

std::string WorkingFolderFor(const std::string& target)
{
    const std::string::size_type slash = target.rfind('\\');
    if (slash != std::string::npos && slash >= 1)
        return target.substr(0, slash);
    return target;
}

static char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsServerAddressValid(const std::string& address)
{
    if (address.size() < 2)
        return false;
    return LowerAscii(address[address.size() - 2]) == 'q' && LowerAscii(address.back()) == 'x';
}
