// Delivery of command-line parameters to an options object, one word at a
// time, the way the application framework hands them on: the program's own
// path is skipped, and a word that begins with "-" or "/" is a flag that
// arrives without that first character.
#pragma once

class CCommandLineInfo {
public:
    virtual ~CCommandLineInfo() {}
    virtual void ParseParam(const char* param, bool isFlag, bool isLast) = 0;
};

// argv[0] is the program; argv[1..argc-1] are delivered in order.
void DeliverCommandLine(int argc, const char* const* argv, CCommandLineInfo& info);
