#include "dialog/CleanInput.h"

#include "dialog/UiTexts.h"
#include "engine/FolderGuard.h"
#include "engine/KeywordRules.h"
#include "engine/LongPath.h"
#include "engine/PathCheck.h"
#include "res/resource.h"

UINT CheckCleanInput(const WString& keyword, const WString& folderText, CleanFolder& folder)
{
    folder = CleanFolder();
    if (keyword.empty()) return IDS_KEYWORD_EMPTY;
    if (HasIllegalChars(keyword.c_str())) return IDS_KEYWORD_ILLEGAL;
    if (folderText.empty()) return 0;
    // One absolute folder is both checked and walked.
    folder.shown = GetAbsolutePath(folderText);
    folder.folder = ToLongPath(folder.shown);
    if (folder.shown.empty() || !IsFolderToClean(SystemFileSystem(), folder.folder))
        return IDS_FOLDER_INVALID;
    return 0;
}

UINT CheckCleanRules(const WString& exclusionsText, const WString& ageText,
                     const CleanFolder& folder, CleanRules& rules, WString& message)
{
    rules = CleanRules();
    WString badItem;
    UINT refusal = 0;
    switch (ReadExclusions(exclusionsText, folder.shown, rules.exclusions, badItem)) {
    case ExclusionsCheck::Accepted:
        if (!ReadAgeDays(ageText, rules.ageDays)) refusal = IDS_AGE_INVALID;
        break;
    case ExclusionsCheck::EmptyItem:
        refusal = IDS_EXCLUDE_EMPTY_ITEM;
        break;
    case ExclusionsCheck::BadItem:
        refusal = IDS_EXCLUDE_BAD_ITEM;
        break;
    }
    if (refusal != 0) {
        CString text;
        text.Format(UiText(refusal), badItem.c_str());
        message = text.Text();
    }
    return refusal;
}

WString GuardQuestion(const CleanFolder& folder)
{
    const WString found = GuardedFolder(folder.shown, SystemFolders());
    if (found.empty()) return WString();
    CString question;
    question.Format(UiText(IsRootFolder(folder.shown) ? IDS_GUARD_ROOT : IDS_GUARD_SYSTEM),
                    folder.shown.c_str(), found.c_str());
    return question.Text();
}
