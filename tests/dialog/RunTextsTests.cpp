// The texts a run shows that no run through the dialog stops to read: the status line while
// an object is in hand, and the ends a test run seldom reaches. Read back from the string table.
#include <gtest/gtest.h>

#include <windows.h>

#include "dialog/RunTexts.h"
#include "tests/dialog/LogRows.h"

namespace {

struct ReportCase {
    bool preview;
    RunReport::Kind kind;
    Pass pass;
    Outcome outcome;
    bool stopped;
    const wchar_t* text;
    std::vector<Row> rows;
    std::wstring status;
};

TEST(RunTexts, EachReportGivesItsRowsAndStatus)
{
    const Pass files = Pass::Files, folders = Pass::Folders;
    const Outcome no = Outcome::Failed, would = Outcome::WouldDelete;
    const RunReport::Kind inHand = RunReport::InHand;
    const wchar_t* const time = L"2026-01-02 03:04:05";
    const ReportCase cases[] = {
        {false, RunReport::Searching, files, no, false, L"D:\\a", {}, L"正在查找 D:\\a ……"},
        {false, inHand, files, no, false, L"D:\\x", {}, L"正在删除[D:\\x]……"},
        {false, inHand, folders, no, false, L"D:\\x", {}, L"正在删除 D:\\x ……"},
        {true, inHand, files, no, false, L"D:\\x", {}, L"正在预览[D:\\x]……"},
        {true, inHand, folders, no, false, L"D:\\x", {}, L"正在预览[D:\\x]……"},
        {true, RunReport::ObjectDone, files, would, false, L"D:\\x", {{L"○", L"D:\\x"}}, L""},
        {true,
         RunReport::PassBegun,
         folders,
         no,
         false,
         time,
         {{time, L"预览：将清除包含关键字[junk]的目录。\r\n"}},
         L""},
        {true,
         RunReport::PassEnded,
         files,
         no,
         true,
         time,
         {{time, L"已停止，余下的对象未列出。"}, kBlank},
         L""},
    };
    for (const ReportCase& c : cases) {
        SCOPED_TRACE(c.status + (c.rows.empty() ? L"" : c.rows[0].second));
        RunTexts texts(L"junk", 0, c.preview, L"", 0);
        std::vector<RunTexts::Row> rows;
        WString status;
        texts.Add({c.kind, c.pass, c.outcome, c.stopped, c.text}, rows, status);
        EXPECT_EQ(LogRowsOf(rows), c.rows);
        EXPECT_EQ(status, c.status);
    }
}

TEST(RunTexts, EndsOfAPreview)
{
    RunTexts texts(L"junk", 0, true, L"", 0);
    EXPECT_EQ(texts.EndText(RunEnd::Stopped, false, L"D:\\a"), L"预览[D:\\a]已停止!");
    EXPECT_EQ(texts.EndText(RunEnd::FolderUnavailable, false, L"D:\\a"),
              L"无法打开清理路径或核实它的位置，未删除任何对象，请确认!");
}

}  // namespace

namespace {

RunReport Done(const wchar_t* relative, int isFile, ULONGLONG size)
{
    RunReport report{RunReport::ObjectDone, Pass::Files, Outcome::WouldDelete, false,
                     std::wstring(L"D:\\") + relative};
    report.object.path = report.text;
    report.object.isFile = isFile;
    report.object.relative = relative;
    report.object.size = size;
    return report;
}

RunReport Boundary(RunReport::Kind kind, Pass pass, ULONGLONG total = 0)
{
    RunReport report{kind, pass, Outcome::Failed, false, L"2026-01-02 03:04:05"};
    report.total = total;
    return report;
}

TEST(RunTexts, SizesOfObjectsPassesAndWhatAPreviewWouldFree)
{
    RunTexts texts(L"junk", 0, true, L"", 0);
    std::vector<RunTexts::Row> rows;
    WString status;
    // Files: one outside the folders the folder pass lists, two inside them.
    for (const RunReport& report :
         {Boundary(RunReport::PassBegun, Pass::Files), Done(L"a_junk", 1, 1340),
          Done(L"junk\\b_junk", 1, 2048), Done(L"x\\junk2\\deep\\c_junk", 1, 100),
          Boundary(RunReport::PassEnded, Pass::Files, 3488),
          Boundary(RunReport::PassBegun, Pass::Folders), Done(L"junk", 0, 5000),
          Done(L"x\\junk2", 0, 100), Boundary(RunReport::PassEnded, Pass::Folders, 5100)})
        texts.Add(report, rows, status);

    ASSERT_EQ(rows.size(), 11u);
    EXPECT_TRUE(rows[0].heading);
    EXPECT_EQ(rows[1].size, L"1.30 KB");
    EXPECT_EQ(rows[1].bytes, 1340u);
    EXPECT_TRUE(rows[1].pick);
    EXPECT_EQ(rows[1].entry.relative, L"a_junk");
    EXPECT_TRUE(rows[4].sizeOfHeading);
    EXPECT_EQ(rows[4].size, L"3.40 KB");
    EXPECT_EQ(rows[5].size, L"");  // the blank row
    EXPECT_EQ(rows[9].size, L"4.98 KB");
    EXPECT_EQ(rows[9].bytes, 5100u);
    // The folders' 5100 bytes and a_junk's 1340.
    EXPECT_EQ(texts.EndText(RunEnd::Completed, false, L"D:\\"),
              L"预览[D:\\]完毕：将删除 3 个文件、2 个目录，共 6.28 KB。");
}

}  // namespace
