#include "engine/MatchRule.h"

#include "engine/KeywordRules.h"
#include "engine/TimeStamp.h"

namespace {

const int kMostDays = 36500;
const ULONGLONG kTicksPerDay = 24ULL * 60 * 60 * 10000000ULL;

WString Trimmed(const WString& text)
{
    const size_t first = text.find_first_not_of(_T(' '));
    if (first == WString::npos) return WString();
    return text.substr(first, text.find_last_not_of(_T(' ')) - first + 1);
}

bool IsHighSurrogate(WCHAR c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}

// The length of the character at `at`: a surrogate pair is one character.
size_t CharLength(const WString& text, size_t at)
{
    return IsHighSurrogate(text[at]) && at + 1 < text.size() ? 2 : 1;
}

// Both upper-cased. Backtracks only to the last star, so it takes time linear in the name for
// each star.
bool Glob(const WString& name, const WString& pattern)
{
    size_t n = 0, p = 0;
    size_t starAt = WString::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == _T('*')) {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && pattern[p] == _T('?')) {
            n += CharLength(name, n);
            ++p;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++n;
            ++p;
        } else if (starAt != WString::npos) {
            p = starAt + 1;
            resumeAt += CharLength(name, resumeAt);
            n = resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == _T('*')) ++p;
    return p == pattern.size();
}

// A name the item may hold: no character a name cannot hold, wildcards allowed only in a
// name item.
bool IsNameItem(const WString& item)
{
    return item.find_first_of(_T("/:\"<>")) == WString::npos;
}

bool IsAbsolute(const WString& item)
{
    return (item.size() >= 3 && item[1] == _T(':') && item[2] == _T('\\')) ||
           item.compare(0, 2, _T("\\\\")) == 0;
}

// The item as names below the chosen folder, or empty when it is none.
WString RelativeItem(const WString& item, const WString& shownFolder)
{
    WString relative = item;
    if (IsAbsolute(item)) {
        WString inside = shownFolder;
        if (inside.empty() || inside.back() != _T('\\')) inside += _T('\\');
        if (item.size() <= inside.size() ||
            UpperCopy(item.substr(0, inside.size())) != UpperCopy(inside))
            return WString();
        relative = item.substr(inside.size());
    }
    while (!relative.empty() && relative.back() == _T('\\')) relative.pop_back();
    if (relative.empty()) return WString();
    size_t start = 0;
    for (;;) {
        const size_t end = relative.find(_T('\\'), start);
        const WString name =
            relative.substr(start, end == WString::npos ? WString::npos : end - start);
        if (name.empty() || name == _T(".") || name == _T("..") || !IsNameItem(name) ||
            name.find_first_of(_T("*?")) != WString::npos)
            return WString();
        if (end == WString::npos) return relative;
        start = end + 1;
    }
}

}  // namespace

ExclusionsCheck ReadExclusions(const WString& text, const WString& shownFolder,
                               Exclusions& exclusions, WString& badItem)
{
    exclusions = Exclusions();
    if (Trimmed(text).empty()) return ExclusionsCheck::Accepted;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find(_T('|'), start);
        const WString item =
            Trimmed(text.substr(start, end == WString::npos ? WString::npos : end - start));
        if (item.empty()) return ExclusionsCheck::EmptyItem;
        if (item.find(_T('\\')) == WString::npos) {
            if (!IsNameItem(item)) {
                badItem = item;
                return ExclusionsCheck::BadItem;
            }
            exclusions.names.push_back(item);
        } else {
            const WString relative = RelativeItem(item, shownFolder);
            if (relative.empty()) {
                badItem = item;
                return ExclusionsCheck::BadItem;
            }
            exclusions.paths.push_back(relative);
        }
        if (end == WString::npos) return ExclusionsCheck::Accepted;
        start = end + 1;
    }
}

bool ReadAgeDays(const WString& text, int& days)
{
    days = 0;
    const WString digits = Trimmed(text);
    if (digits.empty()) return true;
    int value = 0;
    for (WCHAR c : digits) {
        if (c < _T('0') || c > _T('9')) return false;
        value = value * 10 + (c - _T('0'));
        if (value > kMostDays) return false;
    }
    if (value < 1) return false;
    days = value;
    return true;
}

bool NameMatchesPattern(const WString& name, const WString& pattern)
{
    return Glob(UpperCopy(name), UpperCopy(pattern));
}

MatchRule::MatchRule(const WString& keyword, int exactMatch, int matchCase,
                     const Exclusions& exclusions, int ageDays, time_t runStart)
    : m_keyword(keyword),
      m_exactMatch(exactMatch),
      m_matchCase(matchCase),
      m_aged(ageDays > 0),
      m_cutoff(0),
      m_restricts(ageDays > 0 || !exclusions.Empty())
{
    for (const WString& name : exclusions.names) m_names.push_back(UpperCopy(name));
    for (const WString& path : exclusions.paths) m_paths.push_back(UpperCopy(path));
    if (m_aged) {
        const ULONGLONG start = FileTimeAt(runStart);
        const ULONGLONG age = static_cast<ULONGLONG>(ageDays) * kTicksPerDay;
        m_cutoff = start > age ? start - age : 0;
    }
}

bool MatchRule::Excludes(const WString& relative) const
{
    if (!m_paths.empty()) {
        const WString upper = UpperCopy(relative);
        for (const WString& path : m_paths)
            if (path == upper) return true;
    }
    if (m_names.empty()) return false;
    const WString name = UpperCopy(GetNameFromPath(relative));
    for (const WString& pattern : m_names)
        if (Glob(name, pattern)) return true;
    return false;
}

bool MatchRule::NameMatches(const WString& name) const
{
    return NameMatchesKeyword(name, m_keyword, m_exactMatch, m_matchCase);
}

bool MatchRule::OldEnough(ULONGLONG lastChange) const
{
    return !m_aged || (lastChange != 0 && lastChange <= m_cutoff);
}

bool MatchRule::TakesListed(const PathEntry& entry) const
{
    for (size_t end = entry.relative.find(_T('\\')); end != WString::npos;
         end = entry.relative.find(_T('\\'), end + 1))
        if (Excludes(entry.relative.substr(0, end))) return false;
    return !Excludes(entry.relative) && NameMatches(GetNameFromPath(entry.relative)) &&
           OldEnough(entry.lastChange);
}
