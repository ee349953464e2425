#pragma once
// How the report list orders two cell texts when a column heading is clicked.

#include <windows.h>

// Digits and at most one full stop, byte by byte; the empty text counts as a number.
BOOL IsNumberText(LPCSTR text);
// -1, 0 or 1 by the values atof gives the two texts.
int CompareNumberTexts(LPCSTR a, LPCSTR b);

// Exactly the form DD-MM-YYYY.
BOOL IsDateText(LPCSTR text);
// -1, 0 or 1 by year, then month, then day, each read from its fixed position.
int CompareDateTexts(LPCSTR a, LPCSTR b);

// Orders the text of a first row against that of a second row. The kind of comparison is
// chosen by the first row's text alone; a descending sort swaps the operands.
int CompareRowTexts(LPCSTR first, LPCSTR second, BOOL bAscending);
