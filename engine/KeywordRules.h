#pragma once
// What a keyword means: which keywords are acceptable, and which entry names it matches.
// Texts are 8-bit in the ANSI code page; character boundaries come from the platform.

#include <string>

// True when the text holds a single-byte character that no file name may hold
// (\ / : * ? " < > |). Second bytes of double-byte characters are not characters.
bool HasIllegalChars(const char* text);

// The last component of a path: what follows its last backslash character.
std::string GetNameFromPath(const std::string& path);

// True when the entry name is to be collected for the keyword. exactMatch == 1: the whole
// name must equal the keyword; otherwise the keyword must occur in it, beginning and ending
// on character boundaries. matchCase == 1 compares letter cases exactly; otherwise the
// upper-case or lower-case forms of both must agree. An empty keyword matches nothing.
bool NameMatchesKeyword(const std::string& name, const std::string& keyword, int exactMatch,
                        int matchCase);
