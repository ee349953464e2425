#pragma once
// What a keyword means: which keywords are acceptable, and which entry names it matches.
// Texts are UTF-16; a character outside the Basic Multilingual Plane is a surrogate pair,
// which no match may split.

#include "framework/WideString.h"

// True when the text holds a character that no file name may hold (\ / : * ? " < > |).
bool HasIllegalChars(LPCWSTR text);

// The last component of a path: what follows its last backslash.
WString GetNameFromPath(const WString& path);

// The system's upper-case table applied unit by unit, as the file system compares names.
WString UpperCopy(const WString& text);

// True when the entry name is to be collected for the keyword. exactMatch == 1: the whole
// name must equal the keyword; otherwise the keyword must occur in it, beginning and ending
// on character boundaries. matchCase == 1 compares letter cases exactly; otherwise the
// names are compared as the file system compares them, each code unit upper-cased by the
// system's table. An empty keyword matches nothing.
bool NameMatchesKeyword(const WString& name, const WString& keyword, int exactMatch, int matchCase);
