// What the command interpreter "cmd" would act on in a command line.
#pragma once

#include <string>

// True when & | < > or ^ stands outside a double-quoted stretch. cmd
// toggles its quoting at every double quote, backslashes or not, and only
// outside quotes do these characters chain, redirect, pipe or escape.
bool HasCmdOperatorOutsideQuotes(const std::string& line);
