// The keyword and the folder as the user gave them, checked before a run: the window and the
// command line refuse the same input with the same texts.
#pragma once

#include "framework/WideString.h"

#include <windows.h>

struct CleanFolder {
    WString shown;  // absolute, as the log shows it; empty when no folder was given
    WString folder;  // the same in the \\?\ form the system is given
};

// 0 when the input may run, else the string-table id of the refusal. An empty folder text is
// no refusal: the run then has nothing to walk and goes straight to its completion text.
UINT CheckCleanInput(const WString& keyword, const WString& folderText, CleanFolder& folder);
