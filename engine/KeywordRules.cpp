#include "engine/KeywordRules.h"

namespace {

bool IsIllegalNameChar(WCHAR c)
{
    return WString(_T("\\/:*?\"<>|")).find(c) != WString::npos;
}

bool IsHighSurrogate(WCHAR c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

bool IsLowSurrogate(WCHAR c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// True when a character starts at offset `at` (the end counts): not between the two halves
// of a surrogate pair.
bool IsBoundary(const WString& text, size_t at)
{
    return at == 0 || at >= text.size() || !IsLowSurrogate(text[at]) ||
           !IsHighSurrogate(text[at - 1]);
}

// A later occurrence may still be aligned when an earlier one splits a pair.
bool ContainsAligned(const WString& text, const WString& keyword)
{
    for (size_t at = text.find(keyword); at != WString::npos; at = text.find(keyword, at + 1))
        if (IsBoundary(text, at) && IsBoundary(text, at + keyword.size())) return true;
    return false;
}

bool Matches(const WString& name, const WString& keyword, int exactMatch)
{
    return exactMatch == 1 ? name == keyword : ContainsAligned(name, keyword);
}

}  // namespace

WString UpperCopy(const WString& text)
{
    if (text.empty()) return text;
    WString upper(text.size(), 0);
    const int length = static_cast<int>(text.size());
    LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, text.c_str(), length, &upper[0], length);
    return upper;
}

bool HasIllegalChars(LPCWSTR text)
{
    if (!text) return false;
    for (LPCWSTR p = text; *p; ++p)
        if (IsIllegalNameChar(*p)) return true;
    return false;
}

WString GetNameFromPath(const WString& path)
{
    const size_t separator = path.rfind(_T('\\'));
    return separator == WString::npos ? path : path.substr(separator + 1);
}

bool NameMatchesKeyword(const WString& name, const WString& keyword, int exactMatch, int matchCase)
{
    if (keyword.empty()) return false;
    if (matchCase == 1) return Matches(name, keyword, exactMatch);
    return Matches(UpperCopy(name), UpperCopy(keyword), exactMatch);
}
