// Varnel.com as a script runs it: its output redirected to a file, its exit code, and the log
// it writes with /L read back.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "tests/app/ProgramPath.h"
#include "tests/support/TempTree.h"
#include "framework/Utf8.h"

namespace {

struct Finished {
    DWORD code;
    std::string out;  // UTF-8, as written
    std::string err;
};

std::string ReadAll(const std::wstring& path)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      NULL, OPEN_EXISTING, 0, NULL);
    std::string bytes;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, NULL) && read > 0) bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

HANDLE Inheritable(const std::wstring& path)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                         NULL);
}

Finished RunConsoleProgram(const std::wstring& arguments, const TempTree& scratch)
{
    const std::wstring outPath = scratch.Path(L"out.txt");
    const std::wstring errPath = scratch.Path(L"err.txt");
    const HANDLE out = Inheritable(outPath);
    const HANDLE err = Inheritable(errPath);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + WindowsPathOf(VARNEL_COM) + L"\" " + arguments;
    Finished finished = {~0u, "", ""};
    if (::CreateProcessW(NULL, &commandLine[0], NULL, NULL, TRUE, CREATE_NO_WINDOW, NULL, NULL,
                         &startup, &process)) {
        ::WaitForSingleObject(process.hProcess, 60000);
        ::GetExitCodeProcess(process.hProcess, &finished.code);
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
    }
    ::CloseHandle(out);
    ::CloseHandle(err);
    finished.out = ReadAll(outPath);
    finished.err = ReadAll(errPath);
    return finished;
}

// The lines of UTF-8 text ended by CR LF; a heading's time stamp becomes "T".
std::vector<std::string> Lines(const std::string& text, char separator)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = text.substr(start, end - start);
        const size_t cut = line.find(separator);
        if (cut == 19 && line.compare(0, 2, "20") == 0) line = "T" + line.substr(cut);
        lines.push_back(line);
    }
    EXPECT_EQ(start, text.size()) << "a last line without its end";
    return lines;
}

}  // namespace

TEST(ConsoleProgram, RunsPrintsAndWritesTheLog)
{
    TempTree tree;
    TempTree scratch;
    tree.AddFile(L"a,_tmp.txt");
    tree.AddFile(L"keep.txt");
    tree.AddFolder(L"b_tmp");
    tree.AddFile(L"b_tmp\\inside.txt");
    const std::wstring log = scratch.Path(L"日志.csv");

    const Finished run =
        RunConsoleProgram(L"\"" + tree.Root() + L"\" _tmp /L \"" + log + L"\"", scratch);
    EXPECT_EQ(run.code, 0u);
    EXPECT_EQ(run.err, "");
    const std::string root = ToUtf8(tree.Root());
    // A heading is printed as it begins, before its pass's total is known.
    const std::vector<std::string> expected = {
        "T\t清除包含关键字[_tmp]的文件(关键字不区分大小写)。\t",
        "√\t" + root + "\\a,_tmp.txt\t0 字节",
        "\t\t",
        "T\t清除包含关键字[_tmp]的目录。\t",
        "√\t" + root + "\\b_tmp\t0 字节",
        "\t\t",
        "清除[" + root + "]完毕!",
    };
    EXPECT_EQ(Lines(run.out, '\t'), expected);
    EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"keep.txt"});

    const std::string csv = ReadAll(log);
    ASSERT_EQ(csv.compare(0, 3, "\xEF\xBB\xBF"), 0) << "no byte order mark";
    const std::vector<std::string> rows = {
        "T,清除包含关键字[_tmp]的文件(关键字不区分大小写)。,0 字节",
        "√,\"" + root + "\\a,_tmp.txt\",0 字节",
        ",,",
        "T,清除包含关键字[_tmp]的目录。,0 字节",
        "√," + root + "\\b_tmp,0 字节",
        ",,",
    };
    EXPECT_EQ(Lines(csv.substr(3), ','), rows);
}

TEST(ConsoleProgram, RefusesAsTheWindowDoes)
{
    TempTree scratch;
    const Finished run = RunConsoleProgram(L"\"" + scratch.Root() + L"\" a?b", scratch);
    EXPECT_EQ(run.code, 2u);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "关键字包含非法字符，请重新输入!\r\n");
}
