#include "engine/RecycleBin.h"

#include "tests/support/TempTree.h"
#include "framework/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Moves an object back from the desktop trash to where it was, as a user restoring it
// would: the entry whose .trashinfo names its original path goes back there, and the
// .trashinfo goes. True when the object is back in its place.
bool RestoreFromTrash(TempTree& tree, const std::wstring& relative)
{
    const std::string original = TempTree::UnixPathOf(tree.Path(relative));
    const std::wstring script = L"restore-" + std::to_wstring(tree.Entries().size()) + L".sh";
    tree.AddFile(script, FromUtf8(
        "case \"$XDG_DATA_HOME\" in /*) data=$XDG_DATA_HOME ;; *) data=$HOME/.local/share ;; esac\n"
        "for info in \"$data\"/Trash/info/*.trashinfo; do\n"
        "  if grep -qx 'Path=" + original + "' \"$info\"; then\n"
        "    name=$(basename \"$info\" .trashinfo)\n"
        "    mv \"$data/Trash/files/$name\" '" + original + "' && rm \"$info\"\n"
        "    exit\n"
        "  fi\n"
        "done\n"));
    return TempTree::RunUnix("sh '" + TempTree::UnixPathOf(tree.Path(script)) + "'") &&
           tree.Exists(relative);
}

TEST(RecycleBin, SendsObjectsToTheTrashAndRefusesWhatTheShellCannotTake)
{
    TempTree tree;
    if (TempTree::UnixPathOf(tree.Root()).empty())
        GTEST_SKIP() << "the desktop trash is looked into under Wine only";
    const std::wstring longName(120, L'x');
    struct Row {
        std::wstring object;  // made as a folder when `inside` is not empty
        std::wstring inside;  // a file in that folder
        bool recycled;
        std::wstring twin;  // the object the shell would take for it, which must stay
    } const rows[] = {
        {L"a_tmp.txt", L"", true, L""},
        {L"b_tmp", L"sub\\inner.txt", true, L""},
        // Names the shell would read as another object, or not at all.
        {L"c_tmp.", L"", false, L"c_tmp"},
        {L"d_tmp ", L"", false, L"d_tmp"},
        {L"aux.tmp", L"", false, L""},
        {L"e_tmp\\" + longName + L"\\" + longName, L"", false, L""},  // past MAX_PATH
    };
    for (const Row& row : rows) {
        std::wstring probe = row.object;
        for (size_t end = row.object.find(L'\\'); end != std::wstring::npos;
             end = row.object.find(L'\\', end + 1))
            tree.AddFolder(row.object.substr(0, end));
        if (row.inside.empty()) {
            tree.AddFile(row.object, L"content of " + row.object);
        } else {
            tree.AddFolder(row.object);
            tree.AddFolder(row.object + L"\\" + row.inside.substr(0, row.inside.find(L'\\')));
            probe = row.object + L"\\" + row.inside;
            tree.AddFile(probe, L"content of " + probe);
        }
        if (!row.twin.empty()) tree.AddFile(row.twin, L"content of " + row.twin);
        const std::string name = ToUtf8(row.object);

        ASSERT_EQ(row.recycled, SystemRecycleBin().Recycle(tree.LongPath(row.object)) ==
                                     Recycled::InBin)
            << name;
        if (!row.twin.empty()) {
            EXPECT_EQ(L"content of " + row.twin, tree.Content(row.twin)) << name;
        }
        if (!row.recycled) {
            EXPECT_EQ(L"content of " + probe, tree.Content(probe)) << name;
            continue;
        }
        EXPECT_FALSE(tree.Exists(row.object)) << name;
        ASSERT_TRUE(RestoreFromTrash(tree, row.object)) << name << " is not in the trash";
        EXPECT_EQ(L"content of " + probe, tree.Content(probe)) << name;
    }
}

}  // namespace
