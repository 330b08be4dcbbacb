// Evaluation of the MATLAB expressions that the export command line carries,
// as MATLAB would see them after the C run time has split the line.
#pragma once

#include <string>
#include <vector>

// Evaluates 'text' (with '' for an apostrophe), char(N) with N from 0 to 255,
// or [a,b,...] joining those, written without blanks. Anything else, even
// valid MATLAB, gives false: the encoder never writes it, so meeting it
// means the encoder went wrong.
bool EvaluateMatlabValue(const std::string& expr, std::string* value);

// Takes qx_publisher_win(<six values>,0) as one word and gives the six
// evaluated values. False for another name, another count, a different tail
// or a value EvaluateMatlabValue rejects.
bool ParsePublisherCall(const std::string& word, std::vector<std::string>* values);
