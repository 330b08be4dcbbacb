// The Microsoft C run time's splitting of a command line into argv words.
#pragma once

#include <string>
#include <vector>

// Blanks and tabs separate words; a double quote begins or ends a quoted
// stretch; 2n backslashes before a quote give n backslashes and the quote
// toggles, 2n+1 give n backslashes and a literal quote; inside a quoted
// stretch two quotes in a row give one literal quote and end the stretch.
// Backslashes elsewhere are ordinary. The first word (the program path) is
// split by the same rules, which is all that matters for the lines tested.
std::vector<std::string> SplitCommandLineLikeCrt(const std::string& line);
