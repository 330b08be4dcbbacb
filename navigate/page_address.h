// The address of a model's page on the QX server.
#pragma once

#include <string>

// Only http:// and https:// addresses (in any case) are handed to the shell,
// which would otherwise open a file or start a program.
bool IsWebAddress(const std::string& serverAddress);

// Every byte outside A-Z a-z 0-9 - . _ ~ below 0x80 as %XX (upper-case hex);
// bytes from 0x80 stay as they are.
std::string EncodeQueryValue(const std::string& value);

// server + "/simulink/explorer?get&requestType=navtomodel&modelName=" + model,
// then "&projectName=" + project when a project area is given.
std::string ComposeModelPageAddress(const std::string& serverAddress,
                                    const std::string& modelName,
                                    const std::string& projectArea);
