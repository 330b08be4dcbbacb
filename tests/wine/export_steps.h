// Steps that the export command tests share: filling the export window,
// running its commands and checking what reached MATLAB.
#pragma once

#include "feldora_process.h"
#include "stand_in_records.h"

#include <windows.h>

#include <string>
#include <vector>

struct ExportInputs {
    std::string model;
    std::string server;
    std::string projectArea;
    std::string userName;
    std::string password;
};

// The output box after an export, without the temporary folder at its end.
extern const char kExportNotes[];
// The output box after the path command.
extern const char kPathNote[];

// Sets the five input boxes.
void FillExportWindow(HWND dialog, const ExportInputs& inputs);

// Presses Export (or Set Simulink path...) and waits until the command has
// written its notes. The output box is emptied first, so that notes equal
// to the earlier ones still show that the command ran. Returns false, and
// fails the test, when the notes do not come.
bool RunExport(HWND dialog, const TempFolder& folder);
bool RunPathCommand(HWND dialog);

// Presses Export and returns the text of the message box that the command
// shows, after checking that the box has only OK and is owned by the window
// and closing it. Fails the test when no box comes.
std::string ExportMessage(const FeldoraProcess& feldora, HWND dialog);

// The six values that MATLAB must get for an export of these inputs: the
// inputs, the server address with "/rootservices" after it, and Feldora's
// folder.
std::vector<std::string> ExpectedCallValues(const ExportInputs& inputs);

// The six values of the export call in a MATLAB start: the words must be
// matlab, -automation, -r and one qx_publisher_win call that MATLAB would
// evaluate. False when the start is not such a call.
bool ExportCallValues(const MatlabStart& start, std::vector<std::string>* values);

// Checks that MATLAB was started by cmd, and cmd with SW_HIDE.
void ExpectStartedByHiddenCmd(const MatlabStart& start);

// Checks a MATLAB start against the export of these inputs, started by a
// hidden cmd.
void ExpectExportCall(const MatlabStart& start, const ExportInputs& inputs);
