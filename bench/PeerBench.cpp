// What the tools a user would otherwise reach for cost under the same Wine: cmd's del for
// the matching files, then rd over every matching folder. Each command runs in its own
// cmd.exe, timed from CreateProcess to its exit; an empty cmd gives the start-up cost.
//   bench_peers ROOT KEYWORD
#include "bench/Measure.h"

#include <cstdio>
#include <string>

static double RunCommand(const std::wstring& commandLine)
{
    std::wstring text = commandLine;  // CreateProcessW may write into its command line
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    Stopwatch clock;
    if (!CreateProcessW(nullptr, &text[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "cannot start: %ls\n", commandLine.c_str());
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    double seconds = clock.Seconds();
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_peers ROOT KEYWORD\n");
        return 2;
    }
    const std::wstring root = argv[1], keyword = argv[2];
    double startup = RunCommand(L"cmd.exe /c rem");
    double del =
        RunCommand(L"cmd.exe /c del /s /q \"" + root + L"\\*" + keyword + L"*\" >nul 2>&1");
    // Matching folders inside a removed one are gone when their turn comes; rd then fails.
    double rd = RunCommand(L"cmd.exe /c for /d /r \"" + root + L"\" %d in (*" + keyword +
                           L"*) do @rd /s /q \"%d\" >nul 2>&1");
    if (startup < 0 || del < 0 || rd < 0) return 1;
    PrintResult("peers",
                SecondsField("seconds", del + rd) + " " + SecondsField("del", del) + " " +
                    SecondsField("rd", rd) + " " + SecondsField("cmd_startup", startup),
                WorkingSetKb());
    return 0;
}
