// The rule a run follows, on its own and through a run on the model: what the exclusions and
// age fields accept, which objects they keep out, and which folders they keep whole.
#include "engine/CleanRun.h"
#include "engine/MatchRule.h"
#include "engine/TimeStamp.h"
#include "tests/engine/RunRecorder.h"
#include "tests/support/ModelFileSystem.h"
#include "tests/support/WideText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>

namespace {

const WString kRoot = _T("C:\\work");
typedef std::vector<WString> Texts;

TEST(MatchRule, ReadsTheExclusionsAsTyped)
{
    struct Row {
        const WCHAR* text;
        ExclusionsCheck check;
        Texts names, paths;
        const WCHAR* bad;
    } const rows[] = {
        {_T(""), ExclusionsCheck::Accepted, {}, {}, _T("")},
        {_T("   "), ExclusionsCheck::Accepted, {}, {}, _T("")},
        {_T(" .git | node_modules|keep_* "),
         ExclusionsCheck::Accepted,
         {_T(".git"), _T("node_modules"), _T("keep_*")},
         {},
         _T("")},
        {_T("src\\vendor|C:\\WORK\\a b\\c\\|x"),
         ExclusionsCheck::Accepted,
         {_T("x")},
         {_T("src\\vendor"), _T("a b\\c")},
         _T("")},
        {_T(".git|"), ExclusionsCheck::EmptyItem, {}, {}, _T("")},
        {_T("|.git"), ExclusionsCheck::EmptyItem, {}, {}, _T("")},
        {_T("a|  |b"), ExclusionsCheck::EmptyItem, {}, {}, _T("")},
        {_T("src\\..\\x"), ExclusionsCheck::BadItem, {}, {}, _T("src\\..\\x")},
        {_T("..\\x"), ExclusionsCheck::BadItem, {}, {}, _T("..\\x")},
        {_T("C:\\other\\x"), ExclusionsCheck::BadItem, {}, {}, _T("C:\\other\\x")},
        {_T("C:\\work"), ExclusionsCheck::BadItem, {}, {}, _T("C:\\work")},
        {_T("C:\\workshop\\x"), ExclusionsCheck::BadItem, {}, {}, _T("C:\\workshop\\x")},
        {_T("src\\*.tmp"), ExclusionsCheck::BadItem, {}, {}, _T("src\\*.tmp")},
        {_T("src\\\\x"), ExclusionsCheck::BadItem, {}, {}, _T("src\\\\x")},
        {_T(".\\x"), ExclusionsCheck::BadItem, {}, {}, _T(".\\x")},
        {_T("\\x"), ExclusionsCheck::BadItem, {}, {}, _T("\\x")},
        {_T("a:b"), ExclusionsCheck::BadItem, {}, {}, _T("a:b")},
    };
    for (const Row& row : rows) {
        Exclusions exclusions;
        WString bad;
        EXPECT_EQ(row.check, ReadExclusions(row.text, kRoot, exclusions, bad)) << Shown(row.text);
        if (row.check == ExclusionsCheck::Accepted) {
            EXPECT_EQ(row.names, exclusions.names) << Shown(row.text);
            EXPECT_EQ(row.paths, exclusions.paths) << Shown(row.text);
        }
        EXPECT_EQ(WString(row.bad), bad) << Shown(row.text);
    }
    // Inside a drive's root, whose shown form ends in its backslash.
    Exclusions exclusions;
    WString bad;
    EXPECT_EQ(ExclusionsCheck::Accepted,
              ReadExclusions(_T("D:\\a\\b"), _T("D:\\"), exclusions, bad));
    EXPECT_EQ(Texts{_T("a\\b")}, exclusions.paths);
}

TEST(MatchRule, ReadsTheAgeAsAWholeNumberOfDays)
{
    struct Row {
        const WCHAR* text;
        bool accepted;
        int days;
    } const rows[] = {
        {_T(""), true, 0},          {_T(" 90 "), true, 90},        {_T("1"), true, 1},
        {_T("36500"), true, 36500}, {_T("036500"), true, 36500},   {_T("0"), false, 0},
        {_T("36501"), false, 0},    {_T("99999999999"), false, 0}, {_T("-5"), false, 0},
        {_T("1.5"), false, 0},      {_T("9 0"), false, 0},         {_T("\xFF19\xFF10"), false, 0},
    };
    for (const Row& row : rows) {
        int days = -1;
        EXPECT_EQ(row.accepted, ReadAgeDays(row.text, days)) << Shown(row.text);
        if (row.accepted) {
            EXPECT_EQ(row.days, days) << Shown(row.text);
        }
    }
}

TEST(MatchRule, ExcludesWholeNamesByPatternAndSingleObjectsByPath)
{
    Exclusions exclusions;
    exclusions.names = {_T(".git"), _T("keep_*"), _T("?.log"), _T("*_old_*"), _T("\xD83D\xDE00?")};
    exclusions.paths = {_T("src\\Vendor")};
    const MatchRule rule(_T("x"), 0, 0, exclusions, 0, 0);
    struct Row {
        const WCHAR* relative;
        bool excluded;
    } const rows[] = {
        {_T(".git"), true},
        {_T("a\\.GIT"), true},
        {_T(".github"), false},
        {_T("x.git"), false},
        {_T("keep_"), true},
        {_T("KEEP_me.txt"), true},
        {_T("a\\keep"), false},
        {_T("a.log"), true},
        {_T("ab.log"), false},
        {_T(".log"), false},
        {_T("\xD83D\xDE00.log"), true},
        {_T("a_old_b"), true},
        {_T("_old_"), true},
        {_T("old_"), false},
        {_T("\xD83D\xDE00\xD83D\xDE01"), true},
        {_T("\xD83D\xDE00"), false},
        {_T("SRC\\vendor"), true},
        {_T("src\\vendor\\x"), false},
        {_T("vendor"), false},
        {_T("a\\src\\vendor"), false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(row.excluded, rule.Excludes(row.relative)) << Shown(row.relative);
    EXPECT_FALSE(MatchRule(_T("x"), 0, 0, Exclusions(), 0, 0).Restricts());
    EXPECT_TRUE(rule.Restricts());
}

TEST(MatchRule, AnAgeCountsWholeDaysBackFromTheRunsStart)
{
    const time_t start = 1700000000;
    const ULONGLONG second = 10000000ULL;
    const ULONGLONG cutoff = FileTimeAt(start) - 90ULL * 86400 * second;
    const MatchRule aged(_T("x"), 0, 0, Exclusions(), 90, start);
    EXPECT_TRUE(aged.OldEnough(cutoff));
    EXPECT_FALSE(aged.OldEnough(cutoff + 1));
    EXPECT_TRUE(aged.OldEnough(1));
    EXPECT_FALSE(aged.OldEnough(0));  // no time read: not known to be old
    EXPECT_TRUE(aged.Restricts());
    const MatchRule anyAge(_T("x"), 0, 0, Exclusions(), 0, start);
    EXPECT_TRUE(anyAge.OldEnough(0));
    EXPECT_TRUE(anyAge.OldEnough(FileTimeAt(start) + second));
}

// A tree whose objects are 100 days old unless named otherwise; "fresh" ones changed a day ago.
class RuledTree {
public:
    RuledTree()
    {
        fs.AddFolder(kRoot);
        const ULONGLONG now = FileTimeAt(std::time(nullptr));
        const ULONGLONG day = 86400ULL * 10000000ULL;
        old = now - 100 * day;
        fresh = now - day;
        const struct {
            const WCHAR* path;
            bool folder;
            ULONGLONG lastWrite;
        } tree[] = {
            {_T("build_tools"), true, old},
            {_T("build_tools\\.git"), true, old},
            {_T("build_tools\\.git\\build_cfg"), false, old},
            {_T("build_tools\\build.log"), false, old},
            {_T("build_tools\\build_sub"), true, old},
            {_T("build_tools\\build_sub\\x"), false, old},
            {_T("build_old"), true, old},
            {_T("build_old\\a.txt"), false, old},
            {_T("build_new"), true, old},
            {_T("build_new\\fresh.txt"), false, fresh},
            {_T("build_touched"), true, fresh},
            {_T("build_touched\\a.txt"), false, old},
            {_T("build_deep"), true, old},
            {_T("build_deep\\a"), true, old},
            {_T("build_deep\\a\\.git"), true, old},
            {_T("build_aged"), true, old},
            {_T("build_aged\\a"), true, old},
            {_T("build_aged\\a\\fresh.txt"), false, fresh},
            {_T("keep_build"), true, old},
            {_T("keep_build\\build_inner"), true, old},
            {_T("src"), true, old},
            {_T("src\\vendor"), true, old},
            {_T("src\\vendor\\build"), true, old},
            {_T("src\\build.txt"), false, old},
            {_T("fresh_build.txt"), false, fresh},
            {_T("undated_build.txt"), false, 0},
        };
        for (const auto& object : tree) {
            const WString path = kRoot + _T("\\") + object.path;
            if (object.folder)
                fs.AddFolder(path);
            else
                fs.AddFile(path);
            fs.At(path).lastWrite = object.lastWrite;
        }
    }

    Texts Run(const WCHAR* exclusionsText, const WCHAR* ageText, bool preview = false,
              std::shared_ptr<const Picks> picks = nullptr)
    {
        CleanRequest request{ModelFileSystem::LongPath(kRoot),
                             kRoot,
                             _T("build"),
                             0,
                             0,
                             true,
                             true,
                             preview,
                             false,
                             picks,
                             {},
                             0};
        WString bad;
        EXPECT_EQ(ExclusionsCheck::Accepted,
                  ReadExclusions(exclusionsText, kRoot, request.exclusions, bad));
        EXPECT_TRUE(ReadAgeDays(ageText, request.ageDays));
        report = RunRecorder(kRoot);
        EXPECT_EQ(RunEnd::Completed, RunClean(request, report, stop, fs));
        return report.rows;
    }

    ModelFileSystem fs;
    RunRecorder report{kRoot};
    std::atomic<bool> stop{false};
    ULONGLONG old, fresh;
};

TEST(RuledRun, ExclusionsAndAgeDecideWhatGoesAndWhatIsKeptWhole)
{
    struct Row {
        const WCHAR* exclusions;
        const WCHAR* age;
        Texts rows;
        Texts left;  // matched objects still there afterwards
    } const rows[] = {
        {_T(""),
         _T(""),
         {_T("files"), _T("√ build_tools\\.git\\build_cfg"), _T("√ build_tools\\build.log"),
          _T("√ src\\build.txt"), _T("√ fresh_build.txt"), _T("√ undated_build.txt"), _T("end"),
          _T("folders"), _T("√ build_tools"), _T("× build_tools\\build_sub"), _T("√ build_old"),
          _T("√ build_new"), _T("√ build_touched"), _T("√ build_deep"), _T("√ build_aged"),
          _T("√ keep_build"), _T("× keep_build\\build_inner"), _T("√ src\\vendor\\build"),
          _T("end")},
         {}},
        {_T(".git | keep_*|src\\vendor"),
         _T(""),
         {_T("files"), _T("√ build_tools\\build.log"), _T("√ src\\build.txt"),
          _T("√ fresh_build.txt"), _T("√ undated_build.txt"), _T("end"), _T("folders"),
          _T("√ build_tools\\build_sub"), _T("√ build_old"), _T("√ build_new"),
          _T("√ build_touched"), _T("√ build_aged"), _T("end")},
         {_T("build_deep\\a\\.git"), _T("build_tools"), _T("build_tools\\.git\\build_cfg"),
          _T("keep_build\\build_inner"), _T("src\\vendor\\build")}},
        {_T(""),
         _T("30"),
         {_T("files"), _T("√ build_tools\\.git\\build_cfg"), _T("√ build_tools\\build.log"),
          _T("√ src\\build.txt"), _T("end"), _T("folders"), _T("√ build_tools"),
          _T("× build_tools\\build_sub"), _T("√ build_old"), _T("√ build_deep"), _T("√ keep_build"),
          _T("× keep_build\\build_inner"), _T("√ src\\vendor\\build"), _T("end")},
         {_T("build_new"), _T("build_touched"), _T("build_aged"), _T("fresh_build.txt"),
          _T("undated_build.txt")}},
        {_T(".git|keep_*|C:\\work\\src\\vendor"),
         _T("30"),
         {_T("files"), _T("√ build_tools\\build.log"), _T("√ src\\build.txt"), _T("end"),
          _T("folders"), _T("√ build_tools\\build_sub"), _T("√ build_old"), _T("end")},
         {_T("build_tools"), _T("build_new"), _T("build_touched"), _T("build_deep"),
          _T("build_aged"), _T("keep_build\\build_inner"), _T("src\\vendor\\build"),
          _T("fresh_build.txt"), _T("undated_build.txt")}},
    };
    for (const Row& row : rows) {
        RuledTree tree;
        EXPECT_EQ(row.rows, tree.Run(row.exclusions, row.age))
            << Shown(row.exclusions) << Shown(row.age);
        for (const WString& left : row.left)
            EXPECT_TRUE(tree.fs.Exists(kRoot + _T("\\") + left))
                << Shown(row.exclusions) << Shown(left.c_str());
    }
}

// A folder's last change is the newest inside it; a preview's picks are checked again against
// the rule of the run they are given to.
TEST(RuledRun, FoldersCarryTheirNewestChangeAndPicksAreCheckedAgain)
{
    RuledTree tree;
    tree.Run(_T(""), _T(""), true);
    auto picks = std::make_shared<Picks>();
    for (const PathEntry& object : tree.report.objects) {
        if (object.relative == _T("build_new") || object.relative == _T("fresh_build.txt")) {
            EXPECT_EQ(tree.fresh, object.lastChange);
        }
        if (object.relative == _T("build_old")) {
            EXPECT_EQ(tree.old, object.lastChange);
        }
        (object.isFile == 1 ? picks->files : picks->folders).push_back(object);
    }
    EXPECT_EQ(
        (Texts{_T("files"), _T("× build_tools\\.git\\build_cfg"), _T("× build_tools\\build.log"),
               _T("√ src\\build.txt"), _T("× fresh_build.txt"), _T("× undated_build.txt"),
               _T("end"), _T("folders"), _T("× build_tools"), _T("× build_tools\\build_sub"),
               _T("√ build_old"), _T("× build_new"), _T("× build_touched"), _T("× build_deep"),
               _T("× build_aged"), _T("× keep_build"), _T("× keep_build\\build_inner"),
               _T("√ src\\vendor\\build"), _T("end")}),
        tree.Run(_T(".git|keep_*|build_tools"), _T("30"), false, picks));
    // A picked folder holding what the run's rule excludes keeps it, and so stays itself.
    EXPECT_TRUE(tree.fs.Exists(kRoot + _T("\\build_deep\\a\\.git")));
}

}  // namespace

namespace {

// A matched folder whose listing broke off may hold what the rule keeps: with a rule set it
// stays and its row says so; without one it goes as before.
TEST(RuledRun, AFolderNotReadWholeIsKeptWhenARuleIsSet)
{
    for (const bool ruled : {false, true}) {
        RuledTree tree;
        tree.fs.volume.recordsPerRead = 3;  // ".", ".." and one entry per read
        int reads = 0;
        tree.fs.plan = [&](ModelFileSystem::Call call, const WString& path, ULONG) {
            if (call == ModelFileSystem::Call::QueryDirectory &&
                path == kRoot + _T("\\build_old") && ++reads == 2)
                return nt::kUnexpectedNetworkError;
            return nt::kSuccess;
        };
        const Texts rows = tree.Run(ruled ? _T("keep_*") : _T(""), _T(""));
        const Texts kept = {_T("× build_old")};
        EXPECT_EQ(ruled ? 2 : 1, std::count(rows.begin(), rows.end(), kept[0])) << ruled;
        EXPECT_EQ(ruled, tree.fs.Exists(kRoot + _T("\\build_old"))) << ruled;
    }
}

}  // namespace
