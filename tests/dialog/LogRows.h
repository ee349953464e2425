#pragma once
// The texts a clean run writes into the log and the status line, as the dialog tests expect
// them, and the log's rows with their time stamps checked and set aside.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "dialog/RunTexts.h"
#include "tests/dialog/SweepDlgDriver.h"

using Row = SweepDlgDriver::Row;

// The operation and object texts of the rows a run's texts add (a pass's total goes into its
// heading row and adds none).
inline std::vector<Row> LogRowsOf(const std::vector<RunTexts::Row>& rows)
{
    std::vector<Row> shown;
    for (const RunTexts::Row& row : rows)
        if (!row.sizeOfHeading) shown.emplace_back(row.operation, row.object);
    return shown;
}

inline std::wstring Fill(const wchar_t* format, const std::wstring& value)
{
    std::vector<wchar_t> buffer(value.size() + 256);
    _snwprintf(buffer.data(), buffer.size(), format, value.c_str());
    return buffer.data();
}

inline std::wstring FileHeading(const std::wstring& keyword)
{
    return Fill(L"清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n", keyword);
}

inline std::wstring FolderHeading(const std::wstring& keyword)
{
    return Fill(L"清除包含关键字[%s]的目录。\r\n", keyword);
}

inline std::wstring Done(const std::wstring& folder)
{
    return Fill(L"清除[%s]完毕!", folder);
}

inline bool IsTimeStamp(const std::wstring& text)
{
    return std::regex_match(text, std::wregex(LR"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"));
}

// The rows with the time stamps of heading rows replaced by L"<time>", after checking them.
inline std::vector<Row> Normalised(const std::vector<Row>& rows)
{
    std::vector<Row> out = rows;
    for (Row& row : out) {
        if (row.second.find(L"清除包含关键字") == 0) {
            EXPECT_TRUE(IsTimeStamp(row.first)) << row.first;
            row.first = L"<time>";
        }
    }
    return out;
}

const Row kBlank(L"", L"");
