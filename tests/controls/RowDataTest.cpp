#include "controls/RowData.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RowData, KeepsItsOwnCopyOfEveryText)
{
    char source[] = "C:\\dir\\file.txt";
    const std::string longText(600, 'x');
    RowData row;
    row.AddText(source);
    row.AddText("");
    row.AddText(longText.c_str());
    source[0] = 'D';

    ASSERT_EQ(3, row.GetCount());
    EXPECT_STREQ("C:\\dir\\file.txt", row.GetText(0));
    EXPECT_NE(source, row.GetText(0));
    EXPECT_STREQ("", row.GetText(1));
    EXPECT_EQ(longText, row.GetText(2));
}

TEST(RowData, AnswersEmptyTextForAColumnItHasNoTextFor)
{
    RowData row;
    row.AddText("only");
    EXPECT_STREQ("", row.GetText(1));
    EXPECT_STREQ("", row.GetText(-1));
    EXPECT_STREQ("", RowData().GetText(0));
}

}  // namespace
