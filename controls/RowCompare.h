#pragma once
// How the report list orders two cell texts when a column heading is clicked.

#include "framework/WideString.h"

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

// What a row's cell sorts by, read once before a sort so that comparing is cheap.
struct SortKey {
    enum Kind : char { Number, Date, Text };
    LPCTSTR text;
    bool valued;      // a sort value stands for the text
    ULONGLONG value;  // the sort value; 0 for a cell without one
    Kind kind;        // the comparison the text chooses when it is the first row's
    double number;    // the text as atof reads it
    int date[3];      // year, month and day as read from their fixed positions
};
// `value` is null for a cell without a sort value.
SortKey MakeSortKey(LPCTSTR text, const ULONGLONG* value);

// Orders two rows' cells: by their sort values when either has one (a cell without counts as
// 0, as its empty text would), else as CompareRowTexts.
int CompareSortKeys(const SortKey& first, const SortKey& second, BOOL bAscending);
