// The floor of a clean run on this platform: what the bare Win32 calls cost.
//   bench_floor enum ROOT              one depth-first enumeration of the whole tree
//   bench_floor delete ROOT MANIFEST   DeleteFileW/RemoveDirectoryW over the manifest's
//                                      list (make_tree.py), read before the clock starts
#include "bench/Measure.h"

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

// The harness passes UTF-8 (its paths are ASCII; the manifest holds Chinese names too).
static std::wstring Widen(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &wide[0],
                                                        static_cast<int>(wide.size()))));
    if (!wide.empty()) wide.pop_back();
    return wide;
}

static void Enumerate(const std::wstring& folder, long long& objects)
{
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (std::wcscmp(data.cFileName, L".") == 0 || std::wcscmp(data.cFileName, L"..") == 0)
            continue;
        ++objects;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Enumerate(folder + L"\\" + data.cFileName, objects);
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

static int RunEnumeration(const std::string& root)
{
    SIZE_T baseline = WorkingSetKb();
    long long objects = 0;
    Stopwatch clock;
    Enumerate(Widen(root), objects);
    double seconds = clock.Seconds(), cpu = clock.CpuSeconds();
    PrintResult("enum",
                SecondsField("seconds", seconds) + " " + SecondsField("cpu", cpu) + " " +
                    CountField("objects", objects),
                baseline);
    return 0;
}

// Lines "F relative\path" or "D relative\path", CRLF ends. The paths in the \\?\ form: a name
// such as "lpt4.h" is a device in a plain Win32 path.
static std::vector<std::pair<char, std::wstring>> ReadManifest(const std::string& root,
                                                               const char* manifestPath)
{
    std::vector<std::pair<char, std::wstring>> operations;
    std::ifstream manifest(manifestPath, std::ios::binary);
    std::string line;
    while (std::getline(manifest, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() > 2)
            operations.emplace_back(line[0], Widen("\\\\?\\" + root + "\\" + line.substr(2)));
    }
    return operations;
}

static int RunDeletion(const std::string& root, const char* manifestPath)
{
    std::vector<std::pair<char, std::wstring>> operations = ReadManifest(root, manifestPath);
    if (operations.empty()) {
        std::fprintf(stderr, "empty or missing manifest %s\n", manifestPath);
        return 1;
    }
    SIZE_T baseline = WorkingSetKb();
    long long failures = 0;
    Stopwatch clock;
    for (const auto& operation : operations) {
        BOOL done = operation.first == 'F' ? DeleteFileW(operation.second.c_str())
                                           : RemoveDirectoryW(operation.second.c_str());
        if (done != TRUE) ++failures;
    }
    double seconds = clock.Seconds(), cpu = clock.CpuSeconds();
    PrintResult("floor_delete",
                SecondsField("seconds", seconds) + " " + SecondsField("cpu", cpu) + " " +
                    CountField("removed", (long long)operations.size() - failures) + " " +
                    CountField("failures", failures),
                baseline);
    return failures == 0 ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "enum") == 0) return RunEnumeration(argv[2]);
    if (argc == 4 && std::strcmp(argv[1], "delete") == 0) return RunDeletion(argv[2], argv[3]);
    std::fprintf(stderr, "usage: bench_floor enum ROOT | delete ROOT MANIFEST\n");
    return 2;
}
