#include "dialog/CleanInput.h"

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
