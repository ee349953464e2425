#include "engine/ByteSize.h"
#include "tests/support/WideText.h"

#include <gtest/gtest.h>

TEST(ByteSizeText, ThreeSignificantDigitsTruncated)
{
    struct Row {
        ULONGLONG bytes;
        LPCTSTR text;
    } const rows[] = {
        {0, _T("0 字节")},
        {532, _T("532 字节")},
        {1023, _T("1023 字节")},
        {1024, _T("1.00 KB")},
        {1340, _T("1.30 KB")},
        {10239, _T("9.99 KB")},
        {23506, _T("22.9 KB")},
        {102399, _T("99.9 KB")},
        {1023999, _T("999 KB")},
        {1024000, _T("0.97 MB")},  // 1000 KB and more: the next unit
        {1048575, _T("0.99 MB")},
        {2400016, _T("2.28 MB")},
        {2400000000ULL, _T("2.23 GB")},
        {1099511627776ULL, _T("1.00 TB")},
        {1125899906842623ULL, _T("0.99 PB")},
        {1152921504606846976ULL, _T("1.00 EB")},
        {~0ULL, _T("15.9 EB")},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Text(row.text), ByteSizeText(row.bytes, _T("字节"))) << row.bytes;
}
