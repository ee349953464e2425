#include "engine/TreeWalk.h"

#include "tests/engine/WalkTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// Name pieces: Latin letters in both cases, Chinese characters, and characters whose
// second byte is a Latin letter ("\x81\x41" ends in 'A'), which no Latin keyword may hit.
const char* const kPieces[] = {"a",
                               "A",
                               "b",
                               "B",
                               "ab",
                               "Ab",
                               "\xD6\xD0",
                               "\xCE\xC4",
                               "\x81\x41",
                               "\x81"
                               "b",
                               ".",
                               "_"};

std::string RandomText(std::mt19937& random, int minPieces, int maxPieces)
{
    std::uniform_int_distribution<int> count(minPieces, maxPieces);
    std::uniform_int_distribution<size_t> piece(0, sizeof kPieces / sizeof kPieces[0] - 1);
    std::string text;
    for (int n = count(random); n > 0; --n) text += kPieces[piece(random)];
    return text;
}

void Populate(TempTree& tree, const std::string& folder, int depth, std::mt19937& random)
{
    std::uniform_int_distribution<int> entries(0, 4);
    for (int n = entries(random); n > 0; --n) {
        const std::string name = (folder.empty() ? "" : folder + "\\") + RandomText(random, 1, 4) +
                                 std::to_string(n);  // the digit keeps siblings apart
        if (depth < 3 && random() % 2) {
            tree.AddFolder(name);
            Populate(tree, name, depth + 1, random);
        } else {
            tree.AddFile(name);
        }
    }
}

// The reference rule works on UTF-16 text, where characters cannot be split.
std::wstring Wide(const std::string& text, bool fold)
{
    wchar_t buffer[512] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, 512);
    std::wstring wide = buffer;
    if (fold)
        for (wchar_t& c : wide)
            if (c >= L'A' && c <= L'Z') c = wchar_t(c - L'A' + L'a');
    return wide;
}

bool ReferenceMatch(const std::string& name, const std::string& keyword, int exact, int matchCase)
{
    const std::wstring n = Wide(name, matchCase == 0), k = Wide(keyword, matchCase == 0);
    return exact ? n == k : n.find(k) != std::wstring::npos;
}

// What the walks should collect, in enumeration order, found with a plain enumeration.
void Reference(const std::string& folder, const std::string& keyword, int exact, int matchCase,
               PathList& files, PathList& folders)
{
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName, path = folder + "\\" + name;
        if (name == "." || name == "..") continue;
        const bool hit = ReferenceMatch(name, keyword, exact, matchCase);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (hit) folders.push_back({path, 0});
            Reference(path, keyword, exact, matchCase, files, folders);
        } else if (hit) {
            files.push_back({path, 1});
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

TEST(TreeWalkDifferential, CollectsWhatThePlainRuleSays)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        std::mt19937 random(seed);
        TempTree tree;
        Populate(tree, "", 0, random);
        for (int round = 0; round < 12; ++round) {
            const std::string keyword = RandomText(random, 1, 2);
            const int exact = round % 4 == 3, matchCase = round % 2;
            PathList files, folders, expectedFiles, expectedFolders;
            FindMatchingFiles(tree.Root(), keyword, files, exact, matchCase);
            FindMatchingFolders(tree.Root(), keyword, folders, exact, matchCase);
            Reference(tree.Root(), keyword, exact, matchCase, expectedFiles, expectedFolders);
            EXPECT_EQ(RelativePaths(tree, expectedFiles), RelativePaths(tree, files))
                << "seed " << seed << " keyword " << keyword << " exact " << exact << " case "
                << matchCase;
            EXPECT_EQ(RelativePaths(tree, expectedFolders), RelativePaths(tree, folders))
                << "seed " << seed << " keyword " << keyword << " exact " << exact << " case "
                << matchCase;
        }
    }
}

}  // namespace
