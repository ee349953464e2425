// The keyword and the folder as the user gave them, checked before a run: the window and the
// command line refuse the same input with the same texts.
#pragma once

#include "engine/MatchRule.h"
#include "framework/WideString.h"

#include <windows.h>

struct CleanFolder {
    WString shown;   // absolute, as the log shows it; empty when no folder was given
    WString folder;  // the same in the \\?\ form the system is given
};

// 0 when the input may run, else the string-table id of the refusal. An empty folder text is
// no refusal: the run then has nothing to walk and goes straight to its completion text.
UINT CheckCleanInput(const WString& keyword, const WString& folderText, CleanFolder& folder);

struct CleanRules {
    Exclusions exclusions;
    int ageDays = 0;
};

// The exclusions and the age as typed, for a run on `folder`: 0 when they may run, else the
// string-table id of the refusal, whose text is then in message.
UINT CheckCleanRules(const WString& exclusionsText, const WString& ageText,
                     const CleanFolder& folder, CleanRules& rules, WString& message);

// What a run that deletes on `folder` asks first when the folder is a drive's root or
// reaches one of the system's folders; empty when it asks nothing.
WString GuardQuestion(const CleanFolder& folder);
