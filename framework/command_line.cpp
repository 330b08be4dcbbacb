#include "framework/command_line.h"

void DeliverCommandLine(int argc, const char* const* argv, CCommandLineInfo& info)
{
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        const bool isFlag = word[0] == '-' || word[0] == '/';
        info.ParseParam(isFlag ? word + 1 : word, isFlag, i == argc - 1);
    }
}
