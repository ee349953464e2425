#include "engine/ByteSize.h"

#include "engine/TimeStamp.h"

namespace {

const TCHAR kUnits[] = _T("KMGTPE");

}  // namespace

WString ByteSizeText(ULONGLONG bytes, const WString& bytesWord)
{
    if (bytes < 1024) return IntToText(static_cast<int>(bytes)) + _T(" ") + bytesWord;
    // A unit is taken while its whole part stays below 1000: 1000 KB shows as "0.97 MB".
    int unit = 0;
    while (unit < 5 && (bytes >> (10 * unit + 10)) >= 1000) ++unit;
    const int shift = 10 * unit + 10;
    const ULONGLONG mask = (1ULL << shift) - 1;
    const ULONGLONG whole = bytes >> shift;
    WString text = IntToText(static_cast<int>(whole));
    const int decimals = whole < 10 ? 2 : (whole < 100 ? 1 : 0);
    if (decimals > 0) text += _T('.');
    // Each digit from the remainder, which stays below 2^60: times ten it still fits.
    ULONGLONG rest = bytes & mask;
    for (int i = 0; i < decimals; ++i) {
        rest *= 10;
        text += static_cast<TCHAR>(_T('0') + (rest >> shift));
        rest &= mask;
    }
    return text + _T(" ") + kUnits[unit] + _T("B");
}
