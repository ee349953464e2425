#include "controls/RowData.h"

#include "tests/support/WideText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RowData, KeepsItsOwnCopyOfEveryText)
{
    TCHAR source[] = _T("C:\\dir\\文件.txt");
    const WString longText(600, _T('x'));
    RowData row;
    row.AddText(source);
    row.AddText(_T(""));
    row.AddText(longText.c_str());
    source[0] = _T('D');

    ASSERT_EQ(3, row.GetCount());
    EXPECT_EQ(Text(_T("C:\\dir\\文件.txt")), row.GetText(0));
    EXPECT_NE(source, row.GetText(0));
    EXPECT_EQ(Text(_T("")), row.GetText(1));
    EXPECT_EQ(longText, row.GetText(2));
}

TEST(RowData, AnswersEmptyTextForAColumnItHasNoTextFor)
{
    RowData row;
    row.AddText(_T("only"));
    EXPECT_EQ(Text(_T("")), row.GetText(1));
    EXPECT_EQ(Text(_T("")), row.GetText(-1));
    EXPECT_EQ(Text(_T("")), RowData().GetText(0));
}

}  // namespace
