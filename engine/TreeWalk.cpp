#include "engine/TreeWalk.h"

#include "engine/EntryKind.h"
#include "engine/FolderEntries.h"
#include "engine/KeywordRules.h"

namespace {

// Each folder is resolved once, when it is checked before the descent; its location then
// serves to check its own entries.
void CollectFiles(const WString& folder, const WString& location, const WString& keyword,
                  PathList& list, int exactMatch, int matchCase)
{
    ForEachEntry(folder, [&](const CFileFind& finder) {
        if (finder.IsDots()) return;
        const WString path = finder.GetFilePath().Text();
        if (finder.MatchesMask(FILE_ATTRIBUTE_DIRECTORY)) {
            WString inner;
            if (GetEntryKind(path, location, &inner) == EntryKind::Folder)
                CollectFiles(path, inner, keyword, list, exactMatch, matchCase);
        } else if (NameMatchesKeyword(GetNameFromPath(path), keyword, exactMatch, matchCase)) {
            const EntryKind kind = GetEntryKind(path, location);
            if (kind == EntryKind::File || kind == EntryKind::FileLink) list.push_back({path, 1});
        }
    });
}

void CollectFolders(const WString& folder, const WString& location, const WString& keyword,
                    PathList& list, int exactMatch, int matchCase)
{
    ForEachEntry(folder, [&](const CFileFind& finder) {
        if (finder.IsDots() || !finder.MatchesMask(FILE_ATTRIBUTE_DIRECTORY)) return;
        const WString path = finder.GetFilePath().Text();
        WString inner;
        const EntryKind kind = GetEntryKind(path, location, &inner);
        if (kind != EntryKind::Folder && kind != EntryKind::FolderLink) return;
        if (NameMatchesKeyword(GetNameFromPath(path), keyword, exactMatch, matchCase))
            list.push_back({path, 0});
        if (kind == EntryKind::Folder)
            CollectFolders(path, inner, keyword, list, exactMatch, matchCase);
    });
}

}  // namespace

void FindMatchingFiles(const WString& folder, const WString& keyword, PathList& list,
                       int exactMatch, int matchCase)
{
    CollectFiles(folder, GetLocation(folder), keyword, list, exactMatch, matchCase);
}

void FindMatchingFolders(const WString& folder, const WString& keyword, PathList& list,
                         int exactMatch, int matchCase)
{
    CollectFolders(folder, GetLocation(folder), keyword, list, exactMatch, matchCase);
}
