#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Name pieces: letters with their other case (Latin, Greek, Cyrillic, full-width), Chinese,
// a character outside the Basic Multilingual Plane, and punctuation.
const wchar_t* const kPieces[] = {L"a",  L"A",  L"σ",  L"Σ", L"д", L"Д",
                                  L"ｂ", L"Ｂ", L"中", L"😀", L".", L"_"};
// Keywords may also hold half of a surrogate pair, which no name may be matched inside.
const wchar_t* const kKeywordPieces[] = {L"a",  L"A", L"σ",      L"Σ",      L"д", L"Ｂ",
                                         L"中", L"😀", L"\xD83D", L"\xDE00", L"."};

template <size_t N>
std::wstring RandomText(std::mt19937& random, const wchar_t* const (&pieces)[N], int minPieces,
                        int maxPieces)
{
    std::uniform_int_distribution<int> count(minPieces, maxPieces);
    std::uniform_int_distribution<size_t> piece(0, N - 1);
    std::wstring text;
    for (int n = count(random); n > 0; --n) text += pieces[piece(random)];
    return text;
}
void Populate(TempTree& tree, const std::wstring& folder, int depth, std::mt19937& random)
{
    std::uniform_int_distribution<int> entries(0, 4);
    for (int n = entries(random); n > 0; --n) {
        const std::wstring name = (folder.empty() ? L"" : folder + L"\\") +
                                  RandomText(random, kPieces, 1, 4) +
                                  std::to_wstring(n);  // the digit keeps siblings apart
        if (depth < 3 && random() % 2) {
            tree.AddFolder(name);
            Populate(tree, name, depth + 1, random);
        } else {
            tree.AddFile(name);
        }
    }
}

// The reference rule works on code points, where a pair cannot be split, and knows the
// case pairs of the pieces.
std::u32string CodePoints(const std::wstring& text, bool fold)
{
    static const std::wstring lower = L"aσдｂ", upper = L"AΣДＢ";
    std::u32string points;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (fold && lower.find(c) != std::wstring::npos) c = upper[lower.find(c)];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            points += char32_t(0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else {
            points += char32_t(c);
        }
    }
    return points;
}

bool ReferenceMatch(const std::wstring& name, const std::wstring& keyword, int exact, int matchCase)
{
    const std::u32string n = CodePoints(name, matchCase == 0),
                         k = CodePoints(keyword, matchCase == 0);
    return exact ? n == k : n.find(k) != std::u32string::npos;
}

// What the walks should collect, in enumeration order, found with a plain enumeration.
void Reference(const std::wstring& folder, const std::wstring& prefix, const std::wstring& keyword,
               int exact, int matchCase, std::vector<std::wstring>& files,
               std::vector<std::wstring>& folders)
{
    WIN32_FIND_DATAW data;
    const HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName, relative = prefix + name;
        if (name == L"." || name == L"..") continue;
        const bool hit = ReferenceMatch(name, keyword, exact, matchCase);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (hit) folders.push_back(relative);
            Reference(folder + L"\\" + name, relative + L"\\", keyword, exact, matchCase, files,
                      folders);
        } else if (hit) {
            files.push_back(relative);
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

TEST(TreeWalkDifferential, CollectsWhatThePlainRuleSays)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        TempTree tree;
        Populate(tree, L"", 0, random);
        for (int round = 0; round < 12; ++round) {
            const std::wstring keyword = RandomText(random, kKeywordPieces, 1, 2);
            const int exact = round % 4 == 3, matchCase = round % 2;
            const Found found = FindIn(tree, keyword, exact, matchCase);
            std::vector<std::wstring> expectedFiles, expectedFolders;
            Reference(tree.LongPath(L""), L"", keyword, exact, matchCase, expectedFiles,
                      expectedFolders);
            EXPECT_EQ(expectedFiles, RelativePaths(found.files))
                << "seed " << seed << " keyword " << keyword << " exact " << exact << " case "
                << matchCase;
            EXPECT_EQ(expectedFolders, RelativePaths(found.folders))
                << "seed " << seed << " keyword " << keyword << " exact " << exact << " case "
                << matchCase;
        }
    }
}

}  // namespace
