#include "engine/TreeWalk.h"

#include "engine/KeywordRules.h"
#include "engine/OpenObject.h"

namespace {

struct Walk {
    const WString& shownRoot;
    const WString& keyword;
    int exactMatch;
    int matchCase;
    PathList* files;
    PathList* folders;
    const std::atomic<bool>& stop;
    const std::function<void(const WString&)>& searching;

    bool Matches(const WString& name) const
    {
        return NameMatchesKeyword(name, keyword, exactMatch, matchCase);
    }

    void Visit(const std::shared_ptr<const OpenObject>& folder, const WString& prefix) const
    {
        if (searching)
            searching(prefix.empty() ? shownRoot
                                     : JoinShown(shownRoot, prefix.substr(0, prefix.size() - 1)));
        std::vector<ListedEntry> entries;
        if (!ListFolder(folder->Handle(), entries)) return;
        for (const ListedEntry& entry : entries) {
            if (stop) return;
            const WString relative = prefix + entry.name;
            if (!(entry.attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                if (files && Matches(entry.name))
                    files->push_back({JoinShown(shownRoot, relative), 1, relative, folder});
                continue;
            }
            // A matching folder is listed whether or not it can be opened: its row tells.
            if (folders && Matches(entry.name))
                folders->push_back({JoinShown(shownRoot, relative), 0, relative, nullptr});
            if (IsLink(entry.attributes, entry.reparseTag)) continue;
            std::shared_ptr<const OpenObject> inner =
                folder->OpenEntry(entry.name, EntryKind::Folder, OpenPurpose::List);
            if (inner) Visit(inner, relative + L"\\");
        }
    }
};

}  // namespace

void FindMatches(const std::shared_ptr<const OpenObject>& root, const WString& shownRoot,
                 const WString& keyword, int exactMatch, int matchCase, PathList* files,
                 PathList* folders, const std::atomic<bool>& stop,
                 const std::function<void(const WString&)>& searching)
{
    if (!files && !folders) return;
    const Walk walk{shownRoot, keyword, exactMatch, matchCase, files, folders, stop, searching};
    walk.Visit(root, WString());
}

WString JoinShown(const WString& folder, const WString& relative)
{
    if (folder.empty() || folder.back() == L'\\') return folder + relative;
    return folder + L"\\" + relative;
}
