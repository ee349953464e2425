#include "engine/KeywordRules.h"

#include <gtest/gtest.h>

// Double-byte characters are written as code page 936 bytes, so that both builds see the
// same text: D6D0 and CEC4 are two Chinese characters; 815C, 817C and 8141 are characters
// whose second byte is a backslash, a vertical bar and the letter 'A'.
#define ZH "\xD6\xD0"
#define WEN "\xCE\xC4"
#define TRAIL_BACKSLASH "\x81\x5C"
#define TRAIL_BAR "\x81\x7C"
#define TRAIL_A "\x81\x41"

namespace {

struct IllegalRow {
    const char* keyword;
    bool illegal;
};

const IllegalRow kIllegalRows[] = {
    {"a/b", true},
    {"c:", true},
    {"x*", true},
    {"?", true},
    {"<a>", true},
    {"a|b", true},
    {"dir\\sub", true},
    {"say\"hi\"", true},
    {"a b", false},
    {"a.b", false},
    {"a_b", false},
    {"", false},
    {"   ", false},
    {"\t\x01", false},
    {ZH WEN, false},
    {TRAIL_BACKSLASH, false},
    {TRAIL_BAR "x", false},
    {ZH "/", true},
    {TRAIL_BACKSLASH "\\", true},
};

TEST(HasIllegalChars, RefusesOnlySingleByteForbiddenCharacters)
{
    for (const IllegalRow& row : kIllegalRows)
        EXPECT_EQ(row.illegal, HasIllegalChars(row.keyword)) << "keyword: " << row.keyword;
}

struct NameRow {
    std::string path;
    std::string name;
};

TEST(GetNameFromPath, CutsAtTheLastBackslashCharacter)
{
    const NameRow rows[] = {
        {"C:\\data\\a.txt", "a.txt"},
        {"a.txt", "a.txt"},
        {"C:\\data\\", ""},
        {"", ""},
        {"C:\\" ZH "\\" WEN ".doc", WEN ".doc"},
        {"C:\\data\\" TRAIL_BACKSLASH "x", TRAIL_BACKSLASH "x"},
        {"C:\\" TRAIL_BACKSLASH, TRAIL_BACKSLASH},
    };
    for (const NameRow& row : rows) EXPECT_EQ(row.name, GetNameFromPath(row.path)) << row.path;
}

struct MatchRow {
    const char* keyword;
    const char* name;
    int exactMatch;
    int matchCase;
    bool matches;
};

const MatchRow kMatchRows[] = {
    // Containment without regard to case, extension included, no anchoring.
    {"txt", "report.txt", 0, 0, true},
    {"txt", "TXTfile", 0, 0, true},
    {"txt", "a.Txt.bak", 0, 0, true},
    {".txt", "report.TXT", 0, 0, true},
    {".txt", "reporttxt", 0, 0, false},
    {"Report", "report.doc", 0, 0, true},
    {"Report", "MONTHLY_REPORT", 0, 0, true},
    {"Report", "old-report-2", 0, 0, true},
    {"Report", "repor.t", 0, 0, false},
    {"longer-than-name", "name", 0, 0, false},
    {"name", "name", 0, 0, true},
    {"x", "", 0, 0, false},
    {"", "anything", 0, 0, false},
    {"  ", "a  b", 0, 0, true},
    {"  ", "a b", 0, 0, false},
    // Case-match set: the letters must agree exactly.
    {"Report", "report.doc", 0, 1, false},
    {"Report", "MyReport.doc", 0, 1, true},
    {"txt", "a.TXT", 0, 1, false},
    // Exact match: the whole name, extension included, under the case rule in force.
    {"report.txt", "REPORT.TXT", 1, 0, true},
    {"report.txt", "REPORT.TXT", 1, 1, false},
    {"report.txt", "report.txt", 1, 1, true},
    {"report", "report.txt", 1, 0, false},
    {"old", "old", 1, 0, true},
    {"old", "bold", 1, 0, false},
    // Double-byte names and keywords.
    {ZH, ZH WEN ".txt", 0, 0, true},
    {WEN, ZH WEN, 0, 1, true},
    {ZH WEN, ZH WEN, 1, 1, true},
    {ZH "a", ZH "A", 0, 0, true},
    {ZH "a", ZH "A", 0, 1, false},
    // Never inside a character: neither starting at a second byte nor ending at a first.
    {"A", TRAIL_A, 0, 1, false},
    {"a", TRAIL_A, 0, 0, false},
    {"A", TRAIL_A "A", 0, 1, true},
    {"AB", TRAIL_A "B", 0, 1, false},
    {"AB", TRAIL_A "BAB", 0, 1, true},
    {"x\xD6", "x" ZH, 0, 0, false},
    {"\\", TRAIL_BACKSLASH, 0, 0, false},
    {"\xD0\xCE", ZH WEN, 0, 0, false},
};

TEST(NameMatchesKeyword, FollowsTheKeywordRules)
{
    for (const MatchRow& row : kMatchRows)
        EXPECT_EQ(row.matches,
                  NameMatchesKeyword(row.name, row.keyword, row.exactMatch, row.matchCase))
            << "keyword [" << row.keyword << "] name [" << row.name << "] exact " << row.exactMatch
            << " case " << row.matchCase;
}

}  // namespace
