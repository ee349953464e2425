// What the program's arguments ask for:
//   Varnel FOLDER KEYWORD [/F] [/D] [/X] [/C] [/P] [/R] [/E LIST] [/A DAYS] [/Y] [/L LOGFILE]
//                                                                      a run without the window
//   Varnel FOLDER                                                      the window, on that folder
//   Varnel /?                                                          the usage
#pragma once

#include "framework/WideString.h"

#include "engine/CleanRun.h"

#include <vector>

struct CommandLine {
    enum Kind {
        Window,     // no arguments, or a folder alone
        Usage,      // /? anywhere
        Run,        // a folder and a keyword
        Malformed,  // anything else; wrong names the argument not understood, if one
    };
    Kind kind = Malformed;
    WString folder;
    WString keyword;
    WString logFile;             // /L: empty for none
    WString exclusions;          // /E: as the window's field takes them
    WString age;                 // /A: days, as the window's field takes them
    bool systemAllowed = false;  // /Y: a run that deletes may reach the system's folders
    WString wrong;
    bool files = false;    // /F; with neither /F nor /D both passes run
    bool folders = false;  // /D
    bool exactMatch = false;
    bool matchCase = false;
    bool previewOnly = false;
    bool toRecycleBin = false;
};

// The arguments after the program's name.
CommandLine ParseCommandLine(const std::vector<WString>& args);

// Several items sent to the window's program (Send To, or a drop on its icon) arrive as
// several paths and nothing else: the folder the window opens on is the last, as a drop on the
// window takes the last. Empty when the arguments are anything else: a keyword can hold neither
// a backslash nor a colon, so a run's arguments are never all paths.
WString LastOfSeveralPaths(const std::vector<WString>& args);

const int kExitDone = 0;     // everything matched is gone, or listed by a preview
const int kExitLeft = 1;     // some objects remain ("×" rows), or a fault ended the run
const int kExitRefused = 2;  // the input was refused, the folder could not be opened, or it has no bin
const int kExitStopped = 3;  // stopped (Ctrl+C)

int ExitCode(RunEnd end, bool faulted, bool anyFailed);

// The arguments this process was started with, after the program's name.
std::vector<WString> ProgramArguments();
