#include "stand_in_records.h"

#include "files.h"
#include "record_format.h"
#include "wait.h"

#include <gtest/gtest.h>

namespace {

// While a stand-in may still be writing, a record cut short at the end is
// not yet a fault; once they have ended it is.
enum class Check { Whole, AllowUnfinished };

std::vector<Record> ReadRecords(const std::string& path, Check check)
{
    std::string text;
    std::vector<Record> records;
    if (!ReadWholeFile(path, &text))
        return records;
    if (!ParseRecords(text, &records) && check == Check::Whole)
        ADD_FAILURE() << "malformed record file " << path;
    return records;
}

std::vector<MatlabStart> ReadMatlabStarts(const TempFolder& folder, Check check)
{
    std::vector<MatlabStart> starts;
    for (const Record& record : ReadRecords(folder.File("matlab-record.txt"), check)) {
        MatlabStart start;
        for (const RecordField& field : record) {
            if (field.first == "commandline")
                start.commandLine = field.second;
            else if (field.first == "arg")
                start.words.push_back(field.second);
            else if (field.first == "workingfolder")
                start.workingFolder = field.second;
            else if (field.first == "parentprogram")
                start.parentProgram = field.second;
            else if (field.first == "parentshowmode")
                start.parentShowMode = field.second;
        }
        starts.push_back(start);
    }
    return starts;
}

std::vector<BrowserStart> ReadBrowserStarts(const TempFolder& folder, Check check)
{
    std::vector<BrowserStart> starts;
    for (const Record& record : ReadRecords(folder.File("browser-record.txt"), check)) {
        BrowserStart start;
        for (const RecordField& field : record) {
            if (field.first == "address")
                start.address = field.second;
            else if (field.first == "commandline")
                start.commandLine = field.second;
            else if (field.first == "arg")
                start.words.push_back(field.second);
            else if (field.first == "showmode")
                start.showMode = field.second;
        }
        starts.push_back(start);
    }
    return starts;
}

}  // namespace

std::vector<MatlabStart> MatlabStarts(const TempFolder& folder)
{
    return ReadMatlabStarts(folder, Check::Whole);
}

std::vector<BrowserStart> BrowserStarts(const TempFolder& folder)
{
    return ReadBrowserStarts(folder, Check::Whole);
}

bool WaitForMatlabStarts(const TempFolder& folder, size_t count)
{
    if (WaitUntil([&] { return ReadMatlabStarts(folder, Check::AllowUnfinished).size() >= count; }))
        return true;
    ADD_FAILURE() << "the MATLAB stand-in did not record " << count << " start(s) in "
                  << folder.File("matlab-record.txt") << " within " << kWaitMs / 1000 << " s";
    return false;
}

bool WaitForBrowserStarts(const TempFolder& folder, size_t count)
{
    if (WaitUntil([&] { return ReadBrowserStarts(folder, Check::AllowUnfinished).size() >= count; }))
        return true;
    ADD_FAILURE() << "the browser stand-in did not record " << count << " start(s) in "
                  << folder.File("browser-record.txt") << " within " << kWaitMs / 1000 << " s";
    return false;
}
