#include "export/matlab_command.h"

const char kPathToolCommandLine[] = "/c matlab -automation -r pathtool";

std::string AppendRootServices(std::string address)
{
    if (address.empty() || address.back() != '/')
        address += '/';
    return address + "rootservices";
}

// Characters that cannot stand between the quotes: cmd expands "%", a '"'
// would unbalance the quoting that keeps cmd's operators inert, and control
// characters would end or split the command.
static bool NeedsCharCode(unsigned char c)
{
    return c == '"' || c == '%' || c < 0x20 || c == 0x7f;
}

static bool IsPlain(const std::string& value, bool (*isLeadByte)(unsigned char))
{
    bool endsInBackslash = false;
    for (std::string::size_type i = 0; i < value.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        endsInBackslash = false;
        if (isLeadByte && isLeadByte(c) && i + 1 < value.size()) {
            ++i;
            continue;
        }
        if (c == '\'' || NeedsCharCode(c))
            return false;
        endsInBackslash = c == '\\';
    }
    return !endsInBackslash;
}

// Closes a quoted run '"text"'. Backslashes at its end would escape the
// closing double-quote for the C run time, so they go out as char(92);
// protectedEnd marks how much of the run is whole double-byte characters.
static void FlushRun(std::string& run, std::string::size_type protectedEnd, std::string& pieces)
{
    std::string::size_type keep = run.size();
    while (keep > protectedEnd && run[keep - 1] == '\\')
        --keep;
    const std::string::size_type trailing = run.size() - keep;
    run.resize(keep);

    auto add = [&pieces](const std::string& piece) {
        if (!pieces.empty())
            pieces += ',';
        pieces += piece;
    };
    if (!run.empty())
        add("'\"" + run + "\"'");
    for (std::string::size_type i = 0; i < trailing; ++i)
        add("char(92)");
    run.clear();
}

std::string EncodeMatlabArgument(const std::string& value, bool (*isLeadByte)(unsigned char))
{
    if (IsPlain(value, isLeadByte))
        return "'\"" + value + "\"'";

    std::string pieces;
    std::string run;
    std::string::size_type protectedEnd = 0;
    for (std::string::size_type i = 0; i < value.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(value[i]);
        if (isLeadByte && isLeadByte(c) && i + 1 < value.size()) {
            run += value.substr(i, 2);
            protectedEnd = run.size();
            ++i;
        } else if (NeedsCharCode(c)) {
            FlushRun(run, protectedEnd, pieces);
            protectedEnd = 0;
            if (!pieces.empty())
                pieces += ',';
            pieces += "char(" + std::to_string(static_cast<int>(c)) + ")";
        } else if (c == '\'') {
            run += "''";   // MATLAB's own way of writing an apostrophe in a string
        } else {
            run += static_cast<char>(c);
        }
    }
    FlushRun(run, protectedEnd, pieces);
    return "[" + pieces + "]";
}

std::string ComposeExportCommandLine(const ExportArguments& args, bool (*isLeadByte)(unsigned char))
{
    return "/c matlab -automation -r qx_publisher_win(" +
           EncodeMatlabArgument(args.modelPath, isLeadByte) + "," +
           EncodeMatlabArgument(args.serverAddress, isLeadByte) + "," +
           EncodeMatlabArgument(args.projectArea, isLeadByte) + "," +
           EncodeMatlabArgument(args.userName, isLeadByte) + "," +
           EncodeMatlabArgument(args.password, isLeadByte) + "," +
           EncodeMatlabArgument(args.programFolder, isLeadByte) + ",0)";
}

std::string FolderOfModulePath(const std::string& path, bool (*isLeadByte)(unsigned char))
{
    std::string drive;
    std::string::size_type start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        drive = path.substr(0, 2);
        start = 2;
    }

    std::string::size_type end = start;   // one past the last separator
    for (std::string::size_type i = start; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (isLeadByte && isLeadByte(c) && i + 1 < path.size()) {
            ++i;
            continue;
        }
        if (c == '\\' || c == '/')
            end = i + 1;
    }
    std::string folder = path.substr(start, end - start);
    if (folder.size() > 255)
        folder.resize(255);
    return drive + folder;
}
