#pragma once

#include <string>

// A message with the OK button and the exclamation icon, captioned with the
// application's name and modal to the window whose command showed it.
int AfxMessageBox(const std::string& text);
