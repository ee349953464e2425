// A clean run from the command line: the window's checks and texts, the rows printed as the
// run goes, Ctrl+C as "停止".
#pragma once

#include "app/CommandLine.h"

// Runs what the command asks for and returns the exit code.
int RunFromCommandLine(const CommandLine& command);
