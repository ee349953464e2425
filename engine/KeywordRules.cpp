#include "engine/KeywordRules.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

bool IsIllegalNameChar(char c)
{
    return c != '\0' && std::strchr("\\/:*?\"<>|", c) != nullptr;
}

// boundary[i] is true when a character starts at offset i; the end counts as a boundary.
std::vector<bool> CharacterBoundaries(const std::string& text)
{
    std::vector<bool> boundary(text.size() + 1, false);
    const char* begin = text.c_str();
    for (const char* p = begin;; p = CharNextA(p)) {
        boundary[static_cast<size_t>(p - begin)] = true;
        if (*p == '\0') break;
    }
    return boundary;
}

// A later occurrence may still be aligned when an earlier one starts inside a character.
bool ContainsAligned(const std::string& text, const std::string& keyword)
{
    size_t at = text.find(keyword);
    if (at == std::string::npos) return false;
    const std::vector<bool> boundary = CharacterBoundaries(text);
    for (; at != std::string::npos; at = text.find(keyword, at + 1))
        if (boundary[at] && boundary[at + keyword.size()]) return true;
    return false;
}

bool Matches(const std::string& name, const std::string& keyword, int exactMatch)
{
    return exactMatch == 1 ? name == keyword : ContainsAligned(name, keyword);
}

std::string UpperCopy(std::string text)
{
    CharUpperA(&text[0]);
    return text;
}

std::string LowerCopy(std::string text)
{
    CharLowerA(&text[0]);
    return text;
}

}  // namespace

bool HasIllegalChars(const char* text)
{
    if (!text) return false;
    // Stepping by characters skips second bytes; the nine are all single-byte characters.
    for (const char* p = text; *p; p = CharNextA(p))
        if (IsIllegalNameChar(*p)) return true;
    return false;
}

std::string GetNameFromPath(const std::string& path)
{
    const char* begin = path.c_str();
    const char* name = begin;
    for (const char* p = begin; *p; p = CharNextA(p))
        if (*p == '\\') name = p + 1;
    return std::string(name);
}

bool NameMatchesKeyword(const std::string& name, const std::string& keyword, int exactMatch,
                        int matchCase)
{
    if (keyword.empty()) return false;
    if (matchCase == 1) return Matches(name, keyword, exactMatch);
    return Matches(UpperCopy(name), UpperCopy(keyword), exactMatch) ||
           Matches(LowerCopy(name), LowerCopy(keyword), exactMatch);
}
