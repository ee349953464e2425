#pragma once
// How the report list orders two cell texts when a column heading is clicked.

#include "framework/WideString.h"

class RowData;

// ASCII digits and at most one full stop; the empty text counts as a number.
BOOL IsNumberText(LPCTSTR text);
// -1, 0 or 1 by the values atof gives the two texts.
int CompareNumberTexts(LPCTSTR a, LPCTSTR b);

// Exactly the form DD-MM-YYYY.
BOOL IsDateText(LPCTSTR text);
// -1, 0 or 1 by year, then month, then day, each read from its fixed position.
int CompareDateTexts(LPCTSTR a, LPCTSTR b);

// Orders the text of a first row against that of a second row. The kind of comparison is
// chosen by the first row's text alone; a descending sort swaps the operands.
int CompareRowTexts(LPCTSTR first, LPCTSTR second, BOOL bAscending);

// Orders two rows by `column`: by their sort values when either has one there (a row without
// counts as 0, as its empty text would), else as CompareRowTexts. A missing row (one not added
// by the list) has empty texts.
int CompareRows(const RowData* first, const RowData* second, int column, BOOL bAscending);
