#include "controls/RowCompare.h"

#include <cstdlib>
#include <string>
#include <utility>

namespace {

bool IsDigit(TCHAR ch)
{
    return ch >= _T('0') && ch <= _T('9');
}

template <typename T>
int Order(T a, T b)
{
    return a < b ? -1 : (a > b ? 1 : 0);
}

// The text as the runtime's number conversions read it: anything beyond ASCII ends a
// number there, as it would in the text itself.
std::string AsciiPrefix(LPCTSTR text, size_t most = std::string::npos)
{
    std::string ascii;
    for (LPCTSTR p = text; *p && *p < 0x80 && ascii.size() < most; ++p)
        ascii += static_cast<char>(*p);
    return ascii;
}

double ReadNumber(LPCTSTR text)
{
    return atof(AsciiPrefix(text).c_str());
}

// The part of `count` characters from `first`, as far as the text reaches.
int DatePart(LPCTSTR text, int first, int count)
{
    const int length = lstrlenW(text);
    if (first >= length) return 0;
    return atoi(AsciiPrefix(text + first, static_cast<size_t>(count)).c_str());
}

void ReadDate(LPCTSTR text, int (&date)[3])
{
    date[0] = DatePart(text, 6, 4);
    date[1] = DatePart(text, 3, 2);
    date[2] = DatePart(text, 0, 2);
}

// Year, month, day: the first part that differs decides.
int CompareDates(const int (&a)[3], const int (&b)[3])
{
    for (int part = 0; part < 3; ++part) {
        const int order = Order(a[part], b[part]);
        if (order != 0) return order;
    }
    return 0;
}

}  // namespace

BOOL IsNumberText(LPCTSTR text)
{
    int stops = 0;
    for (LPCTSTR p = text; *p; ++p) {
        if (*p == _T('.')) {
            if (++stops > 1) return FALSE;
        } else if (!IsDigit(*p)) {
            return FALSE;
        }
    }
    return TRUE;
}

int CompareNumberTexts(LPCTSTR a, LPCTSTR b)
{
    return Order(ReadNumber(a), ReadNumber(b));
}

BOOL IsDateText(LPCTSTR text)
{
    if (lstrlenW(text) != 10) return FALSE;
    for (int i = 0; i < 10; ++i) {
        const bool separator = (i == 2 || i == 5);
        if (separator ? text[i] != _T('-') : !IsDigit(text[i])) return FALSE;
    }
    return TRUE;
}

int CompareDateTexts(LPCTSTR a, LPCTSTR b)
{
    int first[3], second[3];
    ReadDate(a, first);
    ReadDate(b, second);
    return CompareDates(first, second);
}

int CompareRowTexts(LPCTSTR first, LPCTSTR second, BOOL bAscending)
{
    return CompareSortKeys(MakeSortKey(first, nullptr), MakeSortKey(second, nullptr), bAscending);
}

SortKey MakeSortKey(LPCTSTR text, const ULONGLONG* value)
{
    SortKey key = {};
    key.text = text;
    key.valued = value != nullptr;
    key.value = value != nullptr ? *value : 0;
    // A sort value decides against any other cell: the text is not read.
    if (key.valued) return key;
    key.kind = IsNumberText(text) ? SortKey::Number
                                  : (IsDateText(text) ? SortKey::Date : SortKey::Text);
    key.number = ReadNumber(text);
    ReadDate(text, key.date);
    return key;
}

int CompareSortKeys(const SortKey& first, const SortKey& second, BOOL bAscending)
{
    const SortKey& left = bAscending ? first : second;
    const SortKey& right = bAscending ? second : first;
    if (first.valued || second.valued) return Order(left.value, right.value);
    switch (first.kind) {
    case SortKey::Number:
        return Order(left.number, right.number);
    case SortKey::Date:
        return CompareDates(left.date, right.date);
    default:
        return lstrcmpW(left.text, right.text);
    }
}
