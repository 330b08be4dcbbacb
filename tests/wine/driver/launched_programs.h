// The programs that Feldora's commands start under Wine: the command
// interpreter and the two stand-ins.
#pragma once

#include <string>

// How many processes of that executable name (such as "cmd.exe") run in
// the prefix now.
int CountProcesses(const std::string& exeName);

// Waits until no cmd.exe, matlab.exe or browser_standin.exe runs any more,
// so that every start a command caused has been recorded, and none is
// still on its way. Fails the test when they do not end in time.
bool WaitForLaunchedProgramsToEnd();
