#include "controls/RowCompare.h"

#include "controls/RowData.h"
#include "framework/CString.h"

#include <cstdlib>
#include <string>
#include <utility>

namespace {

bool IsDigit(TCHAR ch)
{
    return ch >= _T('0') && ch <= _T('9');
}

int Sign(int difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

// The text as the runtime's number conversions read it: anything beyond ASCII ends a
// number there, as it would in the text itself.
std::string AsciiPrefix(LPCTSTR text)
{
    std::string ascii;
    for (LPCTSTR p = text; *p && *p < 0x80; ++p) ascii += static_cast<char>(*p);
    return ascii;
}

int DatePart(const CString& text, int first, int count)
{
    return atoi(AsciiPrefix(text.Mid(first, count)).c_str());
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
    const double x = atof(AsciiPrefix(a).c_str());
    const double y = atof(AsciiPrefix(b).c_str());
    return x < y ? -1 : (x > y ? 1 : 0);
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
    const CString first(a);
    const CString second(b);
    // Year, month, day: the first part that differs decides.
    static const int parts[3][2] = {{6, 4}, {3, 2}, {0, 2}};
    for (const auto& part : parts) {
        const int order =
            Sign(DatePart(first, part[0], part[1]) - DatePart(second, part[0], part[1]));
        if (order != 0) return order;
    }
    return 0;
}

int CompareRowTexts(LPCTSTR first, LPCTSTR second, BOOL bAscending)
{
    LPCTSTR left = bAscending ? first : second;
    LPCTSTR right = bAscending ? second : first;
    if (IsNumberText(first)) return CompareNumberTexts(left, right);
    if (IsDateText(first)) return CompareDateTexts(left, right);
    return lstrcmpW(left, right);
}

int CompareRows(const RowData* first, const RowData* second, int column, BOOL bAscending)
{
    ULONGLONG a = 0, b = 0;
    const bool firstValued = first != nullptr && first->GetSortValue(column, a);
    const bool secondValued = second != nullptr && second->GetSortValue(column, b);
    if (firstValued || secondValued) {
        if (!bAscending) std::swap(a, b);
        return a < b ? -1 : (a > b ? 1 : 0);
    }
    return CompareRowTexts(first != nullptr ? first->GetText(column) : _T(""),
                           second != nullptr ? second->GetText(column) : _T(""), bAscending);
}
