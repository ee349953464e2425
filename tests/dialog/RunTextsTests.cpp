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
        RunTexts texts(L"junk", 0, c.preview);
        std::vector<Row> rows;
        WString status;
        texts.Add({c.kind, c.pass, c.outcome, c.stopped, c.text}, rows, status);
        EXPECT_EQ(rows, c.rows);
        EXPECT_EQ(status, c.status);
    }
}

TEST(RunTexts, EndsOfAPreview)
{
    RunTexts texts(L"junk", 0, true);
    EXPECT_EQ(texts.EndText(RunEnd::Stopped, false, L"D:\\a"), L"预览[D:\\a]已停止!");
    EXPECT_EQ(texts.EndText(RunEnd::FolderUnavailable, false, L"D:\\a"),
              L"无法打开清理路径或核实它的位置，未删除任何对象，请确认!");
}

}  // namespace
