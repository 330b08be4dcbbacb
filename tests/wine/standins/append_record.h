// Appending a record to a file in the temporary folder, for the stand-ins.
#pragma once

#include "record_format.h"

// Appends record to <temporary folder>\fileName in one write, so that
// records of programs that run at the same time do not interleave.
// Returns false if the file could not be written.
bool AppendRecordToTempFile(const char* fileName, const Record& record);

// The words the C run time split the command line into (__argv).
std::vector<std::string> RuntimeArguments();
