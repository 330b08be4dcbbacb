// Text rules of the shell utilities.
#pragma once

#include <string>

// The working folder handed to the shell with a launch target: the text
// before the target's last backslash, or the whole target when it has no
// backslash after its first character ("cmd" gives "cmd").
std::string WorkingFolderFor(const std::string& target);

// A QX server address must end in "qx", in any case.
bool IsServerAddressValid(const std::string& address);
