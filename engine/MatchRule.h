#pragma once
// Which objects below the chosen folder a run takes: the keyword with its two options, the
// exclusions and the age. The walk asks the rule whether a folder is entered and whether an
// object is taken; the rule knows nothing of the walk.

#include "engine/PathList.h"

#include <ctime>
#include <vector>

// What the user keeps out of a run: names (whole names, with * and ?) and paths of single
// objects, relative to the chosen folder. Both compared as the file system compares names.
struct Exclusions {
    std::vector<WString> names;
    std::vector<WString> paths;
    bool Empty() const { return names.empty() && paths.empty(); }
};

enum class ExclusionsCheck { Accepted, EmptyItem, BadItem };

// Reads the exclusions as typed: items separated by "|", spaces around an item dropped. An
// item without a backslash is a name; one with a backslash a path, relative to the chosen
// folder (shown as `shownFolder`) or absolute inside it, without wildcards or "..". On
// BadItem, badItem is the item as typed.
ExclusionsCheck ReadExclusions(const WString& text, const WString& shownFolder,
                               Exclusions& exclusions, WString& badItem);

// Reads the age in days as typed: 0 for an empty text (any age), else a whole number from 1 to
// 36500; false for anything else.
bool ReadAgeDays(const WString& text, int& days);

// True when the whole name matches the pattern: * any run of characters, ? one character,
// letter cases compared as the file system compares them.
bool NameMatchesPattern(const WString& name, const WString& pattern);

class MatchRule {
public:
    // ageDays 0: any age; else only what has not changed for ageDays times 24 hours before
    // runStart.
    MatchRule(const WString& keyword, int exactMatch, int matchCase, const Exclusions& exclusions,
              int ageDays, time_t runStart);

    // The object at `relative` (names below the chosen folder) is kept out: never collected,
    // and a folder is not entered.
    bool Excludes(const WString& relative) const;
    // The name is one the keyword takes.
    bool NameMatches(const WString& name) const;
    // An object whose last change (a folder's: the newest inside it, itself included) was at
    // lastChange is old enough; an unknown time (0) is not, when an age is set.
    bool OldEnough(ULONGLONG lastChange) const;
    // Exclusions or an age are set: what could not be read whole may hold what they keep.
    bool Restricts() const { return m_restricts; }

    // An object listed before (a preview's pick), checked again: nothing on its way in is
    // excluded, its name is taken and it is old enough.
    bool TakesListed(const PathEntry& entry) const;

private:
    WString m_keyword;
    int m_exactMatch;
    int m_matchCase;
    std::vector<WString> m_names;  // upper-cased
    std::vector<WString> m_paths;  // upper-cased
    bool m_aged;
    ULONGLONG m_cutoff;  // FILETIME: what changed after it is too new
    bool m_restricts;
};
