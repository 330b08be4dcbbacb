// The format in which the stand-ins for MATLAB and the browser write down
// what they were started with, and in which the tests read it back.
//
// A file holds any number of records, one after the other:
//
//   record
//   <field name> <value as hex, two digits per byte>
//   ...
//   end
//
// Every line ends with "\n". Values are hex so that any byte, line breaks,
// quotes and bytes from 0x80 included, comes back exactly as it went in.
#pragma once

#include <string>
#include <utility>
#include <vector>

using RecordField = std::pair<std::string, std::string>;   // name, value
using Record = std::vector<RecordField>;

std::string FormatRecord(const Record& record);

// Reads every record of text. Returns false if text is not a sequence of
// whole, well-formed records (a record cut short counts as malformed);
// records holds the ones read before the fault.
bool ParseRecords(const std::string& text, std::vector<Record>* records);
