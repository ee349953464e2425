#include "framework/CString.h"
#include "framework/CStringArray.h"
#include "tests/support/WideText.h"

#include <gtest/gtest.h>

namespace {

// Mid clamps like the framework's: the date comparison reads past the end of short texts.
TEST(CString, MidClampsPositionsAndCounts)
{
    const CString text(_T("20-12-2014"));
    const struct {
        int first, count;
        LPCTSTR expected;
    } rows[] = {
        {6, 4, _T("2014")}, {3, 2, _T("12")},  {0, 2, _T("20")}, {8, 4, _T("14")},
        {12, 2, _T("")},    {-3, 2, _T("20")}, {2, -1, _T("")},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Text(text.Mid(row.first, row.count)), row.expected)
            << row.first << "," << row.count;
    EXPECT_EQ(Text(text.Mid(6)), _T("2014"));
}

#ifdef _WIN32
TEST(CString, FormatsLongWideTextsWhole)
{
    const WString path(5000, L'路');
    CString status;
    status.Format(L"[%s] %d", path.c_str(), 7);
    EXPECT_EQ(status.GetLength(), 5000 + 4);
    EXPECT_EQ(Text(status.Mid(5001)), L"] 7");
    EXPECT_EQ(status[1], L'路');
}
#endif

TEST(CString, BufferRoundTripTakesTextUpToTheNul)
{
    CString text(_T("old"));
    LPTSTR buffer = text.GetBuffer(16);
    const WString window = _T("window");
    window.copy(buffer, window.size());
    buffer[window.size()] = 0;
    text.ReleaseBuffer();
    EXPECT_EQ(Text(text), _T("window"));
    EXPECT_EQ(text.GetLength(), 6);
    EXPECT_TRUE(CString(nullptr).IsEmpty());
}

TEST(CStringArray, SetAtGrowFillsTheGapWithEmptyTexts)
{
    CStringArray titles;
    titles.SetAtGrow(0, _T("操作"));
    titles.SetAtGrow(2, _T("third"));
    ASSERT_EQ(titles.GetSize(), 3);
    EXPECT_EQ(Text(titles[0]), _T("操作"));
    EXPECT_TRUE(titles[1].IsEmpty());
    EXPECT_EQ(Text(titles[2]), _T("third"));
}

}  // namespace
