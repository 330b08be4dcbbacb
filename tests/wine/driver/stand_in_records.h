// What the MATLAB and browser stand-ins wrote down about their starts.
#pragma once

#include "temp_folder.h"

#include <string>
#include <vector>

struct MatlabStart {
    std::string commandLine;          // GetCommandLineA
    std::vector<std::string> words;   // the C run time's split, words[0] the program
    std::string workingFolder;
    std::string parentProgram;        // the program that started MATLAB
    std::string parentShowMode;       // and how it was to show: "0" hidden
};

struct BrowserStart {
    std::string address;              // the first word after the program
    std::string commandLine;
    std::vector<std::string> words;
    std::string showMode;             // "1" for SW_SHOWNORMAL, or "default"
};

// Every start recorded in the folder so far, oldest first; none when no
// record file exists. A malformed record file fails the test.
std::vector<MatlabStart> MatlabStarts(const TempFolder& folder);
std::vector<BrowserStart> BrowserStarts(const TempFolder& folder);

// Waits until at least count starts are recorded; false (and a failure
// naming the file) when they do not come in time.
bool WaitForMatlabStarts(const TempFolder& folder, size_t count);
bool WaitForBrowserStarts(const TempFolder& folder, size_t count);
