// The MATLAB command lines that the export window hands to "cmd".
#pragma once

#include <string>

struct ExportArguments {
    std::string modelPath;
    std::string serverAddress;   // already ending in "rootservices"
    std::string projectArea;
    std::string userName;
    std::string password;
    std::string programFolder;
};

extern const char kPathToolCommandLine[];   // "/c matlab -automation -r pathtool"

// The address with "rootservices" appended after a single "/".
std::string AppendRootServices(std::string address);

// One argument of qx_publisher_win as it stands in the command line.
// An ordinary value keeps the plain form '"value"'. A value with an
// apostrophe, a double-quote, a percent sign, a control character or a
// backslash in front of a closing quote is written as a MATLAB expression
// that cmd leaves alone, the C run time keeps as one word, and MATLAB
// evaluates back to the value: ['"text"',char(34),'"more"'].
// isLeadByte, when given, tells the first byte of a double-byte character
// of the ANSI code page: its second byte is part of the character, never a
// backslash to move out of the quotes.
std::string EncodeMatlabArgument(const std::string& value, bool (*isLeadByte)(unsigned char) = nullptr);

// "/c matlab -automation -r qx_publisher_win(<six arguments>,0)"
std::string ComposeExportCommandLine(const ExportArguments& args,
                                     bool (*isLeadByte)(unsigned char) = nullptr);

// Drive and folder of a module path, the folder with its trailing separator:
// C:\Tools\export.exe gives C:\Tools\ . isLeadByte tells the first byte of
// a double-byte character, whose second byte is never a separator.
std::string FolderOfModulePath(const std::string& path, bool (*isLeadByte)(unsigned char) = nullptr);
