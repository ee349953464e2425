#include "app/ConsoleRelay.h"

#include "app/CommandLine.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// The program's own path with .com for .exe; a path of any length.
std::wstring ConsoleProgramPath()
{
    std::vector<wchar_t> path(MAX_PATH);
    while (::GetModuleFileNameW(NULL, path.data(), static_cast<DWORD>(path.size())) >= path.size())
        path.resize(path.size() * 2);
    std::wstring program = path.data();
    const size_t dot = program.rfind(L'.');
    return program.substr(0, dot) + L".com";
}

// The command line after the program's name, as it was given.
LPCWSTR ArgumentsGiven()
{
    LPCWSTR text = ::GetCommandLineW();
    bool quoted = false;
    for (; *text != L'\0' && (quoted || (*text != L' ' && *text != L'\t')); ++text)
        if (*text == L'"') quoted = !quoted;
    return text;
}

// Varnel.com hears the console's events itself and ends with its own code: this process
// only waits for that. A handler rather than the ignore flag, which Varnel.com would inherit.
BOOL WINAPI LeaveToConsoleProgram(DWORD)
{
    return TRUE;
}

}  // namespace

int RelayToConsoleProgram()
{
    // Started from Explorer or a scheduled task there is no console, and none must flash.
    const bool console = ::AttachConsole(ATTACH_PARENT_PROCESS) != FALSE;
    const std::wstring program = ConsoleProgramPath();
    std::wstring commandLine = L"\"" + program + L"\"" + ArgumentsGiven();

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    // Redirected handles go on to Varnel.com; without them it writes to the console it shares.
    if (::GetStdHandle(STD_OUTPUT_HANDLE) != NULL) startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    ::SetConsoleCtrlHandler(LeaveToConsoleProgram, TRUE);
    if (!::CreateProcessW(program.c_str(), &commandLine[0], NULL, NULL, TRUE,
                          console ? 0 : CREATE_NO_WINDOW, NULL, NULL, &startup, &process))
        return kExitRefused;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = kExitRefused;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<int>(code);
}
