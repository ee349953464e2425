#include "controls/RowCompare.h"

#include "framework/CString.h"

#include <mbstring.h>

#include <cstdlib>

namespace {

bool IsDigitByte(char ch)
{
    return _ismbcdigit(static_cast<unsigned char>(ch)) != 0;
}

int Sign(int difference)
{
    return difference < 0 ? -1 : (difference > 0 ? 1 : 0);
}

int DatePart(const CString& text, int first, int count)
{
    return atoi(text.Mid(first, count));
}

}  // namespace

BOOL IsNumberText(LPCSTR text)
{
    int stops = 0;
    for (LPCSTR p = text; *p; ++p) {
        if (*p == '.') {
            if (++stops > 1) return FALSE;
        } else if (!IsDigitByte(*p)) {
            return FALSE;
        }
    }
    return TRUE;
}

int CompareNumberTexts(LPCSTR a, LPCSTR b)
{
    const double x = atof(a);
    const double y = atof(b);
    return x < y ? -1 : (x > y ? 1 : 0);
}

BOOL IsDateText(LPCSTR text)
{
    if (lstrlenA(text) != 10) return FALSE;
    for (int i = 0; i < 10; ++i) {
        const bool separator = (i == 2 || i == 5);
        if (separator ? text[i] != '-' : !IsDigitByte(text[i])) return FALSE;
    }
    return TRUE;
}

int CompareDateTexts(LPCSTR a, LPCSTR b)
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

int CompareRowTexts(LPCSTR first, LPCSTR second, BOOL bAscending)
{
    LPCSTR left = bAscending ? first : second;
    LPCSTR right = bAscending ? second : first;
    if (IsNumberText(first)) return CompareNumberTexts(left, right);
    if (IsDateText(first)) return CompareDateTexts(left, right);
    return lstrcmpA(left, right);
}
