// Varnel.com: the command line's program, a console program beside the window's Varnel.exe so
// that cmd and PowerShell wait for it and its output can be redirected. In a folder holding
// both, "Varnel" finds Varnel.com first (.COM comes before .EXE in PATHEXT).
#include "app/CommandLine.h"
#include "app/ConsoleOutput.h"
#include "app/ConsoleRun.h"
#include "dialog/UiTexts.h"
#include "res/CommandLineIds.h"

int main()
{
    const CommandLine command = ParseCommandLine(ProgramArguments());
    switch (command.kind) {
    case CommandLine::Run:
        return RunFromCommandLine(command);
    case CommandLine::Usage:
        WriteLine(STD_OUTPUT_HANDLE, UiText(IDS_CLI_USAGE).Text());
        return kExitDone;
    default:
        if (!command.wrong.empty()) {
            CString message;
            message.Format(UiText(IDS_CLI_BAD_ARGUMENT), command.wrong.c_str());
            WriteLine(STD_ERROR_HANDLE, message.Text());
        }
        WriteLine(STD_ERROR_HANDLE, UiText(IDS_CLI_USAGE).Text());
        return kExitRefused;
    }
}
