#include "engine/KeywordRules.h"
#include "tests/support/WideText.h"

#include <gtest/gtest.h>

// 😀 is the surrogate pair D83D DE00.
#define HIGH _T("\xD83D")
#define LOW _T("\xDE00")

namespace {

struct IllegalRow {
    LPCTSTR keyword;
    bool illegal;
};

const IllegalRow kIllegalRows[] = {
    {_T("a/b"), true},     {_T("c:"), true},   {_T("x*"), true},       {_T("?"), true},
    {_T("<a>"), true},     {_T("a|b"), true},  {_T("dir\\sub"), true}, {_T("say\"hi\""), true},
    {_T("中/"), true},     {_T("a b"), false}, {_T("a.b"), false},     {_T("a_b"), false},
    {_T(""), false},       {_T("   "), false}, {_T("\t\x01"), false},  {_T("中文"), false},
    {_T("／＼｜"), false}, {_T("😀"), false},
};

TEST(HasIllegalChars, RefusesOnlyTheNineForbiddenCharacters)
{
    for (const IllegalRow& row : kIllegalRows)
        EXPECT_EQ(row.illegal, HasIllegalChars(row.keyword)) << Shown(row.keyword);
}

TEST(GetNameFromPath, CutsAtTheLastBackslash)
{
    const struct {
        LPCTSTR path;
        LPCTSTR name;
    } rows[] = {
        {_T("C:\\data\\a.txt"), _T("a.txt")}, {_T("a.txt"), _T("a.txt")},
        {_T("C:\\data\\"), _T("")},           {_T(""), _T("")},
        {_T("C:\\中\\文.doc"), _T("文.doc")}, {_T("\\\\?\\C:\\data\\tmp_😀.txt"), _T("tmp_😀.txt")},
    };
    for (const auto& row : rows) EXPECT_EQ(Text(row.name), GetNameFromPath(row.path));
}

struct MatchRow {
    LPCTSTR keyword;
    LPCTSTR name;
    int exactMatch;
    int matchCase;
    bool matches;
};

const MatchRow kMatchRows[] = {
    // Containment without regard to case, extension included, no anchoring.
    {_T("txt"), _T("report.txt"), 0, 0, true},
    {_T("txt"), _T("TXTfile"), 0, 0, true},
    {_T("txt"), _T("a.Txt.bak"), 0, 0, true},
    {_T(".txt"), _T("report.TXT"), 0, 0, true},
    {_T(".txt"), _T("reporttxt"), 0, 0, false},
    {_T("Report"), _T("MONTHLY_REPORT"), 0, 0, true},
    {_T("Report"), _T("old-report-2"), 0, 0, true},
    {_T("Report"), _T("repor.t"), 0, 0, false},
    {_T("longer-than-name"), _T("name"), 0, 0, false},
    {_T("name"), _T("name"), 0, 0, true},
    {_T("x"), _T(""), 0, 0, false},
    {_T(""), _T("anything"), 0, 0, false},
    {_T("  "), _T("a  b"), 0, 0, true},
    {_T("  "), _T("a b"), 0, 0, false},
    // Letters of other scripts have their other case too.
    {_T("σύνοψη"), _T("ΣΎΝΟΨΗ.txt"), 0, 0, true},
    {_T("отчёт"), _T("ОТЧЁТ_2024"), 0, 0, true},
    {_T("ａｂｃ"), _T("ＡＢＣ.log"), 0, 0, true},
    {_T("ñandú"), _T("tmp_ÑANDÚ.log"), 0, 0, true},
    {_T("tmp"), _T("한국_TMP.txt"), 0, 0, true},
    {_T("中文"), _T("中文.txt"), 0, 0, true},
    // Case-match set: the letters must agree exactly.
    {_T("Report"), _T("report.doc"), 0, 1, false},
    {_T("Report"), _T("MyReport.doc"), 0, 1, true},
    {_T("отчёт"), _T("ОТЧЁТ"), 0, 1, false},
    // Exact match: the whole name, extension included, under the case rule in force.
    {_T("report.txt"), _T("REPORT.TXT"), 1, 0, true},
    {_T("report.txt"), _T("REPORT.TXT"), 1, 1, false},
    {_T("report.txt"), _T("report.txt"), 1, 1, true},
    {_T("report"), _T("report.txt"), 1, 0, false},
    {_T("old"), _T("bold"), 1, 0, false},
    // Characters outside the Basic Multilingual Plane: whole pairs only.
    {_T("😀"), _T("tmp_😀.txt"), 0, 0, true},
    {LOW, _T("😀"), 0, 1, false},
    {HIGH, _T("😀"), 0, 0, false},
    {LOW _T("x"), _T("😀x"), 0, 1, false},
    {_T("a") HIGH, _T("a😀"), 0, 1, false},
    {LOW, _T("😀") LOW, 0, 1, true},
    {_T("😀"), _T("😀😀"), 1, 0, false},
};

TEST(NameMatchesKeyword, FollowsTheKeywordRules)
{
    for (const MatchRow& row : kMatchRows)
        EXPECT_EQ(row.matches,
                  NameMatchesKeyword(row.name, row.keyword, row.exactMatch, row.matchCase))
            << "keyword " << Shown(row.keyword) << " name " << Shown(row.name) << " exact "
            << row.exactMatch << " case " << row.matchCase;
}

}  // namespace
