// Random trees cleaned through the dialog, checked against a plain reference: what is left,
// and one row per collected object with the mark its fate deserves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <random>
#include <set>

#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/TempTree.h"

namespace {

using Row = SweepDlgDriver::Row;

struct Options {
    bool files;
    bool folders;
    bool matchCase;
    bool exact;
};

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

bool Matches(const std::wstring& name, const std::wstring& keyword, const Options& o)
{
    const std::wstring n = o.matchCase ? name : Lower(name);
    const std::wstring k = o.matchCase ? keyword : Lower(keyword);
    return o.exact ? n == k : n.find(k) != std::wstring::npos;
}

// Relative path -> is a folder.
using Tree = std::map<std::wstring, bool>;

std::wstring NameOf(const std::wstring& rel)
{
    const size_t cut = rel.rfind(L'\\');
    return cut == std::wstring::npos ? rel : rel.substr(cut + 1);
}

// The folders on the way to rel, outermost first, rel itself excluded.
std::vector<std::wstring> FoldersAbove(const std::wstring& rel)
{
    std::vector<std::wstring> above;
    for (size_t cut = rel.find(L'\\'); cut != std::wstring::npos; cut = rel.find(L'\\', cut + 1))
        above.push_back(rel.substr(0, cut));
    return above;
}

Tree MakeRandomTree(TempTree& tree, unsigned seed)
{
    static const wchar_t* const pieces[] = {L"key",   L"Key",      L"KEY",   L"note", L"a",
                                            L"x_key", L"keyboard", L"k_e_y", L"zz",   L"old"};
    static const wchar_t* const extensions[] = {L"", L".txt", L".key", L".log"};
    std::mt19937 random(seed);
    Tree made;
    std::vector<std::wstring> folders = {L""};
    for (size_t next = 0; next < folders.size() && next < 12; ++next) {
        const std::wstring parent = folders[next];
        const int entries = 2 + static_cast<int>(random() % 4);
        std::set<std::wstring> taken;  // the file system ignores letter case
        for (int i = 0; i < entries; ++i) {
            // Some names are a single piece, so an exact match has something to find.
            std::wstring name = pieces[random() % 10];
            if (random() % 3 != 0) name += pieces[random() % 10];
            const bool isFolder = random() % 3 == 0 && FoldersAbove(parent + L"\\x").size() < 4;
            if (!isFolder) name += extensions[random() % 4];
            if (!taken.insert(Lower(name)).second) continue;
            const std::wstring rel = parent.empty() ? name : parent + L"\\" + name;
            if (isFolder) {
                tree.AddFolder(rel);
                folders.push_back(rel);
            } else {
                tree.AddFile(rel);
            }
            made[rel] = isFolder;
        }
    }
    return made;
}

void CheckRun(unsigned seed, const std::wstring& keyword, const Options& o)
{
    SCOPED_TRACE("seed " + std::to_string(seed) + " files " + std::to_string(o.files) +
                 " folders " + std::to_string(o.folders) + " case " + std::to_string(o.matchCase) +
                 " exact " + std::to_string(o.exact));
    TempTree tree;
    const Tree before = MakeRandomTree(tree, seed);

    // Reference: what must go, and the rows each pass must write.
    std::set<std::wstring> gone;
    std::multiset<Row> fileRows, folderRows;
    for (const auto& [rel, isFolder] : before) {
        bool folderAboveMatches = false;
        for (const std::wstring& above : FoldersAbove(rel))
            folderAboveMatches = folderAboveMatches || Matches(NameOf(above), keyword, o);
        const bool matches = Matches(NameOf(rel), keyword, o);
        if (!isFolder && o.files && matches) fileRows.insert(Row(L"√", tree.Path(rel)));
        if (isFolder && o.folders && matches)
            folderRows.insert(Row(folderAboveMatches ? L"×" : L"√", tree.Path(rel)));
        const bool removedAsFile = !isFolder && o.files && matches;
        const bool removedWithFolder = o.folders && (folderAboveMatches || (isFolder && matches));
        if (removedAsFile || removedWithFolder) gone.insert(rel);
    }

    std::vector<Row> rows;
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, o.files);
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, o.folders);
        d.SetCheck(IDC_CHECK_MATCH_CASE, o.matchCase);
        d.SetCheck(IDC_CHECK_EXACT_MATCH, o.exact);
        d.Clean(keyword, tree.Root());
        rows = d.Rows();
    });

    for (const auto& [rel, isFolder] : before)
        EXPECT_EQ(tree.Exists(rel), gone.count(rel) == 0) << rel;

    // Each pass: heading row, its object rows, blank row.
    size_t at = 0;
    auto takeBlock = [&](std::multiset<Row> expected) {
        ASSERT_LT(at, rows.size());
        ++at;  // heading row
        std::multiset<Row> actual;
        std::set<std::wstring> seen;
        while (at < rows.size() && rows[at] != Row(L"", L"")) {
            // Pre-order: a nested match comes after the match it lies in.
            if (rows[at].first == L"×") {
                bool outerSeen = false;
                for (const std::wstring& s : seen)
                    outerSeen =
                        outerSeen || rows[at].second.compare(0, s.size() + 1, s + L"\\") == 0;
                EXPECT_TRUE(outerSeen) << rows[at].second;
            }
            seen.insert(rows[at].second);
            actual.insert(rows[at++]);
        }
        ASSERT_LT(at, rows.size());
        ++at;  // blank row
        EXPECT_EQ(actual, expected);
    };
    if (o.files) takeBlock(fileRows);
    if (o.folders) takeBlock(folderRows);
    EXPECT_EQ(at, rows.size());
}

}  // namespace

TEST(CleanDifferential, RandomTreesLoseExactlyWhatTheReferenceSays)
{
    const Options options[] = {
        {true, false, false, false}, {false, true, false, false}, {true, true, false, false},
        {true, true, true, false},   {true, true, false, true},
    };
    for (unsigned seed = 1; seed <= 6; ++seed)
        for (const Options& o : options) CheckRun(seed, seed % 2 ? L"key" : L"KEY", o);
}
