// Starts programs again and again and measures, for each start, the time
// from CreateProcess until the program's window is shown with its fields
// filled, and the peak working set the process reached by then.
//
//   launch_meter RUNS TEMPDIR NAME EXE EXPECT ARGS [NAME EXE EXPECT ARGS]...
//
// Each target is NAME (a label), EXE, EXPECT and ARGS (its command-line
// parameters, "" for none). The window counts as ready when a top-level
// window of the process is visible and, unless EXPECT is "", its control
// 1002 holds exactly EXPECT. Every program gets TMP and TEMP set to TEMPDIR.
// The targets take turns, after one start of each that is not counted, so
// that a cold file cache or a busy moment weighs on all of them alike.
//
// For each target it prints one line:
//   NAME median_ms min_ms max_ms median_peak_kib min_peak_kib max_peak_kib
// and every single start as a line beginning with "#".
#include "window_query.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const int kReadyControlId = 1002;
const DWORD kTimeoutMs = 60000;
const DWORD kPollMs = 5;

struct Target {
    std::string name;
    std::string exe;
    std::string expect;
    std::string args;
    std::vector<double> startupMs;
    std::vector<double> peakKib;
};

struct Sample {
    double startupMs;
    double peakKib;
};

bool IsTempVariable(const char* entry)
{
    return _strnicmp(entry, "TMP=", 4) == 0 || _strnicmp(entry, "TEMP=", 5) == 0;
}

// This process's environment with TMP and TEMP pointing at tempDir, as the
// block of zero-terminated entries that CreateProcessA takes.
std::string EnvironmentWithTemp(const std::string& tempDir)
{
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* entry = strings; entry && *entry; entry += strlen(entry) + 1) {
        if (IsTempVariable(entry))
            continue;
        block += entry;
        block += '\0';
    }
    if (strings)
        FreeEnvironmentStringsA(strings);
    block += "TMP=" + tempDir + '\0';
    block += "TEMP=" + tempDir + '\0';
    block += '\0';
    return block;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

bool IsReady(DWORD processId, const std::string& expect)
{
    HWND window = FindVisibleWindowOfProcess(processId);
    if (!window)
        return false;
    return expect.empty() || ControlText(window, kReadyControlId) == expect;
}

// One start of the target; false with a message when it never got ready.
bool Measure(const Target& target, std::string& environment, Sample& sample)
{
    std::string commandLine = "\"" + target.exe + "\"";
    if (!target.args.empty())
        commandLine += " " + target.args;

    STARTUPINFOA startup;
    ZeroMemory(&startup, sizeof(startup));
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    ZeroMemory(&process, sizeof(process));

    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0],
                        nullptr, &startup, &process)) {
        fprintf(stderr, "%s: cannot start %s (error %lu)\n", target.name.c_str(),
                target.exe.c_str(), GetLastError());
        return false;
    }

    bool ready = false;
    bool ended = false;
    for (;;) {
        if (IsReady(process.dwProcessId, target.expect)) {
            ready = true;
            break;
        }
        QueryPerformanceCounter(&now);
        if (Milliseconds(start, now, frequency) > kTimeoutMs)
            break;
        if (WaitForSingleObject(process.hProcess, kPollMs) == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
    }
    QueryPerformanceCounter(&now);
    sample.startupMs = Milliseconds(start, now, frequency);

    PROCESS_MEMORY_COUNTERS memory;
    ZeroMemory(&memory, sizeof(memory));
    memory.cb = sizeof(memory);
    if (ready && !GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory))) {
        fprintf(stderr, "%s: no memory counters (error %lu)\n", target.name.c_str(), GetLastError());
        ready = false;
    }
    sample.peakKib = static_cast<double>(memory.PeakWorkingSetSize) / 1024.0;

    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    if (!ready) {
        fprintf(stderr, "%s: %s\n", target.name.c_str(),
                ended ? "the program ended before its window was ready"
                      : "its window was not ready within the time limit");
    }
    return ready;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

void PrintSummary(const Target& target)
{
    const auto& t = target.startupMs;
    const auto& m = target.peakKib;
    printf("%s %.1f %.1f %.1f %.0f %.0f %.0f\n", target.name.c_str(), Median(t),
           *std::min_element(t.begin(), t.end()), *std::max_element(t.begin(), t.end()),
           Median(m), *std::min_element(m.begin(), m.end()), *std::max_element(m.begin(), m.end()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 7 || (argc - 3) % 4 != 0) {
        fprintf(stderr, "usage: launch_meter RUNS TEMPDIR NAME EXE EXPECT ARGS [NAME EXE EXPECT ARGS]...\n");
        return 2;
    }
    const int runs = atoi(argv[1]);
    if (runs < 1) {
        fprintf(stderr, "launch_meter: RUNS must be a positive number\n");
        return 2;
    }
    std::string environment = EnvironmentWithTemp(argv[2]);

    std::vector<Target> targets;
    for (int i = 3; i + 3 < argc; i += 4)
        targets.push_back(Target{argv[i], argv[i + 1], argv[i + 2], argv[i + 3], {}, {}});

    for (int run = 0; run <= runs; ++run) {
        for (Target& target : targets) {
            Sample sample{};
            if (!Measure(target, environment, sample))
                return 1;
            const bool counted = run > 0;
            printf("# %s start %d%s: %.1f ms, peak working set %.0f KiB\n", target.name.c_str(), run,
                   counted ? "" : " (warm-up, not counted)", sample.startupMs, sample.peakKib);
            fflush(stdout);
            if (counted) {
                target.startupMs.push_back(sample.startupMs);
                target.peakKib.push_back(sample.peakKib);
            }
        }
    }
    for (const Target& target : targets)
        PrintSummary(target);
    return 0;
}
