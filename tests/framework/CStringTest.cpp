#include "framework/CString.h"
#include "framework/CStringArray.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Mid clamps like the framework's: the date comparison reads past the end of short texts.
TEST(CString, MidClampsPositionsAndCounts)
{
    const CString text("20-12-2014");
    const struct {
        int first, count;
        const char* expected;
    } rows[] = {
        {6, 4, "2014"}, {3, 2, "12"},  {0, 2, "20"}, {8, 4, "14"},
        {12, 2, ""},    {-3, 2, "20"}, {2, -1, ""},
    };
    for (const auto& row : rows)
        EXPECT_STREQ(text.Mid(row.first, row.count), row.expected) << row.first << "," << row.count;
    EXPECT_STREQ(text.Mid(6), "2014");
}

TEST(CString, FormatsLongTextsWhole)
{
    const std::string path(5000, 'p');
    CString status;
    status.Format("[%s] %d", path.c_str(), 7);
    EXPECT_EQ(status.GetLength(), 5000 + 4);
    EXPECT_STREQ(status.Mid(5001), "] 7");
}

TEST(CString, BufferRoundTripTakesTextUpToTheNul)
{
    CString text("old");
    char* buffer = text.GetBuffer(16);
    std::strcpy(buffer, "window");
    text.ReleaseBuffer();
    EXPECT_STREQ(text, "window");
    EXPECT_EQ(text.GetLength(), 6);
    EXPECT_TRUE(CString(nullptr).IsEmpty());
}

TEST(CStringArray, SetAtGrowFillsTheGapWithEmptyTexts)
{
    CStringArray titles;
    titles.SetAtGrow(0, "操作");
    titles.SetAtGrow(2, "third");
    ASSERT_EQ(titles.GetSize(), 3);
    EXPECT_STREQ(titles[0], "操作");
    EXPECT_TRUE(titles[1].IsEmpty());
    EXPECT_STREQ(titles[2], "third");
}

}  // namespace
