// Any six values survive the export command line: cmd finds nothing to
// expand or act on, the C run time gives back the four words, and MATLAB
// evaluates each argument to exactly its value.
#include "export/matlab_command.h"
#include "cmd_operators.h"
#include "crt_split.h"
#include "matlab_eval.h"
#include "require.h"
#include "split_input.h"

#include <algorithm>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<std::string> values = SplitAtZeroBytes(data, size);
    values.resize(6);

    ExportArguments args;
    args.modelPath = values[0];
    args.serverAddress = values[1];
    args.projectArea = values[2];
    args.userName = values[3];
    args.password = values[4];
    args.programFolder = values[5];
    const std::string line = ComposeExportCommandLine(args);

    Require(line.find('%') == std::string::npos, "no percent sign for cmd to expand");
    Require(std::count(line.begin(), line.end(), '"') % 2 == 0, "double quotes are balanced");
    Require(!HasCmdOperatorOutsideQuotes(line), "cmd operators stay inside quotes");
    Require(std::none_of(line.begin(), line.end(),
                         [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }),
            "no control character");
    Require(line.compare(0, 3, "/c ") == 0, "the line starts with /c");

    const std::vector<std::string> words = SplitCommandLineLikeCrt(line.substr(3));
    Require(words.size() == 4, "the C run time sees four words");
    Require(words[0] == "matlab" && words[1] == "-automation" && words[2] == "-r",
            "matlab -automation -r comes first");

    std::vector<std::string> evaluated;
    Require(ParsePublisherCall(words[3], &evaluated), "MATLAB reads the call");
    Require(evaluated == values, "MATLAB gets every value back exactly");
    return 0;
}
