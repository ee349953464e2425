// Clean runs through the real dialog on the trees users have: dependency trees deeper than
// 260 characters, names in any script, names the platform's path rules would bend. The
// binary also runs as an English system (code page 1252) runs it; nothing may depend on that.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <set>

#include "res/resource.h"
#include "tests/dialog/LogRows.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/TempTree.h"

namespace {

std::multiset<Row> AsSet(const std::vector<Row>& rows)
{
    return std::multiset<Row>(rows.begin(), rows.end());
}

// The test run names the code page it means to run on; this run must really have it.
TEST(SystemLanguage, IsTheOneThisRunAsksFor)
{
    const char* expected = std::getenv("VARNEL_EXPECT_ACP");
    ASSERT_NE(expected, nullptr) << "VARNEL_EXPECT_ACP is not set";
    EXPECT_EQ(::GetACP(), static_cast<UINT>(std::atoi(expected)));
}

// node_modules inside node_modules, eight levels, the deepest paths past 400 characters.
TEST(RealTrees, DependencyTreesGoWhole)
{
    TempTree tree;
    std::multiset<Row> expected;
    tree.AddFolder(L"projects");
    for (const wchar_t* project : {L"projects\\web", L"projects\\api"}) {
        std::wstring folder = project;
        tree.AddFolder(folder);
        tree.AddFile(folder + L"\\package.json", L"{}");
        for (int level = 1; level <= 8; ++level) {
            folder += L"\\node_modules";
            tree.AddFolder(folder);
            // The outer node_modules goes with everything in it; the ones inside are gone
            // when their turn comes.
            expected.insert({level == 1 ? L"√" : L"×", tree.Path(folder)});
            folder +=
                L"\\package-" + std::to_wstring(level) + L"-with-a-name-as-long-as-npm-allows";
            tree.AddFolder(folder);
            tree.AddFile(folder + L"\\index.js", L"module.exports = 1;");
        }
        ASSERT_GT(tree.Path(folder).size(), 400u);
    }

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.Clean(L"node_modules", tree.Root());
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), expected.size() + 2);
        EXPECT_EQ(rows.front(), Row(L"<time>", FolderHeading(L"node_modules")));
        EXPECT_EQ(rows.back(), kBlank);
        EXPECT_EQ(AsSet(std::vector<Row>(rows.begin() + 1, rows.end() - 1)), expected);
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
    });
    EXPECT_EQ(tree.Entries(),
              (std::set<std::wstring>{L"projects", L"projects\\web", L"projects\\web\\package.json",
                                      L"projects\\api", L"projects\\api\\package.json"}));
}

TEST(RealTrees, NamesOfEveryScriptGoAsThemselves)
{
    TempTree tree;
    tree.AddFolder(L"keep");
    const wchar_t* const files[] = {L"tmp_😀.txt",
                                    L"한국_tmp.txt",
                                    L"tmp_ñandú.log",
                                    L"keep\\ملف_tmp.doc",
                                    L"keep\\plain_tmp.txt",
                                    L"a_tmp.",
                                    L"a_tmp ",
                                    L"aux.tmp",
                                    L"com1.tmp",
                                    L"TMP_ΣΥΝΟΨΗ"};
    for (const wchar_t* file : files) tree.AddFile(file, L"x");
    tree.AddFolder(L"tmp_한국");
    tree.AddFile(L"tmp_한국\\inside.txt");
    tree.AddFile(L"keep\\kept.txt");

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"tmp", tree.Root());
        std::multiset<Row> fileRows;
        for (const wchar_t* file : files) fileRows.insert({L"√", tree.Path(file)});
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), fileRows.size() + 5) << ::testing::PrintToString(rows);
        EXPECT_EQ(rows[0], Row(L"<time>", FileHeading(L"tmp")));
        EXPECT_EQ(AsSet(std::vector<Row>(rows.begin() + 1, rows.end() - 4)), fileRows);
        const std::vector<Row> folderBlock(rows.end() - 4, rows.end());
        EXPECT_EQ(folderBlock, (std::vector<Row>{kBlank,
                                                 {L"<time>", FolderHeading(L"tmp")},
                                                 {L"√", tree.Path(L"tmp_한국")},
                                                 kBlank}));
    });
    EXPECT_EQ(tree.Entries(), (std::set<std::wstring>{L"keep", L"keep\\kept.txt"}));
}

// Objects that cannot go are not passed over: each gets its row with its mark.
TEST(RealTrees, EveryMatchedObjectGetsItsRow)
{
    TempTree tree, outside;
    outside.AddFile(L"target.txt", L"outside");
    tree.AddFile(L"plain_junk.txt");
    if (!tree.AddLink(L"link_junk", outside.Path(L"target.txt")) ||
        !TempTree::RunUnix("mkfifo '" + TempTree::UnixPathOf(tree.Path(L"fifo_junk")) + "'"))
        GTEST_SKIP() << "no Unix side to make a link and a FIFO with";
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"junk", tree.Root());
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), 7u) << ::testing::PrintToString(rows);
        // Wine opens a link to a file as its target, so it cannot go as itself; a FIFO cannot go.
        EXPECT_EQ(AsSet(std::vector<Row>(rows.begin() + 1, rows.begin() + 4)),
                  (std::multiset<Row>{{L"√", tree.Path(L"plain_junk.txt")},
                                      {L"×", tree.Path(L"link_junk")},
                                      {L"×", tree.Path(L"fifo_junk")}}));
    });
    EXPECT_EQ(outside.Content(L"target.txt"), L"outside");
    EXPECT_EQ(tree.Entries(), (std::set<std::wstring>{L"link_junk", L"fifo_junk"}));
}

// A name ending in a dot is its own name: deleting it leaves its plain twin.
TEST(RealTrees, TrailingDotOrSpaceNamesAreNotTheirTwins)
{
    TempTree tree;
    for (const wchar_t* name : {L"a_tmp.", L"a_tmp", L"b_tmp ", L"b_tmp"}) tree.AddFile(name, name);
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.SetCheck(IDC_CHECK_DELETE_FOLDERS, false);
        d.SetCheck(IDC_CHECK_EXACT_MATCH, true);
        d.Clean(L"a_tmp.", tree.Root());
        d.Clean(L"b_tmp ", tree.Root());
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), 6u);
        EXPECT_EQ(rows[1], Row(L"√", tree.Path(L"a_tmp.")));
        EXPECT_EQ(rows[4], Row(L"√", tree.Path(L"b_tmp ")));
    });
    EXPECT_EQ(tree.Entries(), (std::set<std::wstring>{L"a_tmp", L"b_tmp"}));
    EXPECT_EQ(tree.Content(L"a_tmp"), L"a_tmp");
}

TEST(RealTrees, ChineseKeywordCleansWhateverTheSystemLanguage)
{
    TempTree tree;
    tree.AddFile(L"临时文件.txt");
    tree.AddFolder(L"临时目录");
    tree.AddFile(L"临时目录\\数据.bin");
    tree.AddFile(L"保留.txt");
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"临时", tree.Root());
        EXPECT_EQ(Normalised(d.Rows()), (std::vector<Row>{{L"<time>", FileHeading(L"临时")},
                                                          {L"√", tree.Path(L"临时文件.txt")},
                                                          kBlank,
                                                          {L"<time>", FolderHeading(L"临时")},
                                                          {L"√", tree.Path(L"临时目录")},
                                                          kBlank}));
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(tree.Root()));
    });
    EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"保留.txt"});
}

// "C:" names the current folder of drive C: the folder checked, walked and logged is that one.
TEST(RealTrees, DriveTextIsTheCurrentFolderOfThatDrive)
{
    TempTree tree;
    ASSERT_EQ(tree.Root().compare(0, 2, L"C:"), 0);
    tree.AddFile(L"zq_drive_marker.txt");
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(tree.Root().c_str()));
    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(L"zq_drive_marker", L"C:");
        const std::vector<Row> rows = Normalised(d.Rows());
        ASSERT_EQ(rows.size(), 5u);
        EXPECT_EQ(rows[1], Row(L"√", tree.Path(L"zq_drive_marker.txt")));
        EXPECT_EQ(d.Text(IDC_STATIC_STATUS), Done(L"C:"));
    });
    ::SetCurrentDirectoryW(previous);
    EXPECT_TRUE(tree.Entries().empty());
}

}  // namespace
