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
    const HANDLE file =
        ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                      OPEN_EXISTING, 0, NULL);
    std::string bytes;
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, NULL) && read > 0)
        bytes.append(buffer, read);
    ::CloseHandle(file);
    return bytes;
}

HANDLE Inheritable(const std::wstring& path)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, NULL, TRUE};
    return ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS, 0,
                         NULL);
}

// A program started as a script starts it, its output going to out.txt and err.txt in scratch.
class Started {
public:
    Started(const char* program, const std::wstring& arguments, const TempTree& scratch,
            DWORD flags)
        : m_outPath(scratch.Path(L"out.txt")),
          m_errPath(scratch.Path(L"err.txt")),
          m_out(Inheritable(m_outPath)),
          m_err(Inheritable(m_errPath))
    {
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = m_out;
        startup.hStdError = m_err;
        std::wstring commandLine = L"\"" + WindowsPathOf(program) + L"\" " + arguments;
        if (!::CreateProcessW(NULL, &commandLine[0], NULL, NULL, TRUE, flags, NULL, NULL,
                              &startup, &m_process))
            m_process = {};
    }
    ~Started()
    {
        if (m_process.hProcess) {
            ::TerminateProcess(m_process.hProcess, 9);
            ::CloseHandle(m_process.hThread);
            ::CloseHandle(m_process.hProcess);
        }
        ::CloseHandle(m_out);
        ::CloseHandle(m_err);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    HANDLE Process() const { return m_process.hProcess; }
    std::string Out() const { return ReadAll(m_outPath); }
    // Waits (a minute at most) until the output holds `text` or the program has ended.
    bool Prints(const std::string& text) const
    {
        for (int wait = 0; wait < 60000; ++wait) {
            if (Out().find(text) != std::string::npos) return true;
            if (::WaitForSingleObject(m_process.hProcess, 1) == WAIT_OBJECT_0) return false;
        }
        return false;
    }
    Finished Finish() const
    {
        Finished finished = {~0u, "", ""};
        if (!m_process.hProcess) return finished;
        ::WaitForSingleObject(m_process.hProcess, 60000);
        ::GetExitCodeProcess(m_process.hProcess, &finished.code);
        finished.out = ReadAll(m_outPath);
        finished.err = ReadAll(m_errPath);
        return finished;
    }

private:
    std::wstring m_outPath, m_errPath;
    HANDLE m_out, m_err;
    PROCESS_INFORMATION m_process = {};
};

Finished RunConsoleProgram(const std::wstring& arguments, const TempTree& scratch)
{
    return Started(VARNEL_COM, arguments, scratch, CREATE_NO_WINDOW).Finish();
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

BOOL WINAPI IgnoreInTheTest(DWORD)
{
    return TRUE;
}

// The lines of UTF-8 text ended by CR LF; a heading's time stamp and an object's last change
// become "T".
std::vector<std::string> Lines(const std::string& text, char separator)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = text.substr(start, end - start);
        const size_t cut = line.find(separator);
        if (cut == 19 && line.compare(0, 2, "20") == 0) line = "T" + line.substr(cut);
        const size_t last = line.rfind(separator);
        if (last != std::string::npos && line.size() - last - 1 == 19 &&
            line.compare(last + 1, 2, "20") == 0)
            line = line.substr(0, last + 1) + "T";
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
        "T\t清除包含关键字[_tmp]的文件(关键字不区分大小写)。\t\t",
        "√\t" + root + "\\a,_tmp.txt\t0 字节\tT",
        "\t\t\t",
        "T\t清除包含关键字[_tmp]的目录。\t\t",
        "√\t" + root + "\\b_tmp\t0 字节\tT",
        "\t\t\t",
        "清除[" + root + "]完毕!",
    };
    EXPECT_EQ(Lines(run.out, '\t'), expected);
    EXPECT_EQ(tree.Entries(), std::set<std::wstring>{L"keep.txt"});

    const std::string csv = ReadAll(log);
    ASSERT_EQ(csv.compare(0, 3, "\xEF\xBB\xBF"), 0) << "no byte order mark";
    const std::vector<std::string> rows = {
        "T,清除包含关键字[_tmp]的文件(关键字不区分大小写)。,0 字节,",
        "√,\"" + root + "\\a,_tmp.txt\",0 字节,T",
        ",,,",
        "T,清除包含关键字[_tmp]的目录。,0 字节,",
        "√," + root + "\\b_tmp,0 字节,T",
        ",,,",
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

// The log holds every row printed, whenever the run ends: the process killed in mid-run
// (as closing its console does once the handler gives up) leaves them all.
TEST(ConsoleProgram, ARunKilledMidWayLeavesItsRowsInTheLog)
{
    TempTree tree;
    TempTree scratch;
    for (int i = 0; i < 4000; ++i) tree.AddFile(L"f" + std::to_wstring(i) + L"_tmp");
    const std::wstring log = scratch.Path(L"log.csv");
    Started run(VARNEL_COM, L"\"" + tree.Root() + L"\" _tmp /L \"" + log + L"\"", scratch,
                CREATE_NO_WINDOW);
    ASSERT_TRUE(run.Prints("\xE2\x88\x9A\t")) << "no row printed before the run ended";
    ::TerminateProcess(run.Process(), 9);
    const Finished killed = run.Finish();
    ASSERT_EQ(killed.code, 9u) << "the run ended before it was killed";
    const size_t printed = Count(killed.out, "\xE2\x88\x9A\t");
    EXPECT_GT(printed, 0u);
    EXPECT_GE(Count(ReadAll(log), "\xE2\x88\x9A,"), printed);
}

// Ctrl+C in the console stops a run handed from Varnel.exe to Varnel.com as it stops
// Varnel.com's own, and Varnel.exe ends with the run's code, not killed by the same Ctrl+C.
TEST(ConsoleProgram, CtrlCThroughTheRelayEndsWithTheRunsCode)
{
    TempTree tree;
    TempTree scratch;
    for (int i = 0; i < 4000; ++i) tree.AddFile(L"f" + std::to_wstring(i) + L"_tmp");
    // A console of its own that the three processes share.
    ::FreeConsole();
    ASSERT_TRUE(::AllocConsole());
    // Children inherit whether Ctrl+C is ignored: the test may have been started ignoring it.
    ::SetConsoleCtrlHandler(NULL, FALSE);
    Started run(VARNEL_EXE, L"\"" + tree.Root() + L"\" _tmp", scratch, 0);
    ASSERT_TRUE(run.Prints("\xE2\x88\x9A\t")) << "no row printed before the run ended";
    ::SetConsoleCtrlHandler(IgnoreInTheTest, TRUE);
    ASSERT_TRUE(::GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0));
    const Finished stopped = run.Finish();
    ::SetConsoleCtrlHandler(IgnoreInTheTest, FALSE);
    // Windows gives the event to every process of the console: the run stops, and the relay
    // ends with its code. Wine may give it to the relay alone once the relay handles it; the
    // run then completes, and the relay's code is still the run's.
    const bool runStopped = !tree.Entries().empty();
    EXPECT_EQ(stopped.code, runStopped ? 3u : 0u);
}

// The rules are refused as the window refuses them; inside the Windows folder a run that
// deletes goes only with /Y, a preview always.
TEST(ConsoleProgram, RefusesRulesAndTheSystemsFoldersUnlessTold)
{
    TempTree scratch;
    wchar_t windows[MAX_PATH] = {};
    ASSERT_GT(::GetWindowsDirectoryW(windows, MAX_PATH), 0u);
    const std::wstring folder = std::wstring(windows) + L"\\varnel-guard-cli";
    ::CreateDirectoryW(folder.c_str(), NULL);
    ::CreateDirectoryW((folder + L"\\a_tmp").c_str(), NULL);
    const std::string guard = "清理路径[" + ToUtf8(folder) + "]就是、包含或位于系统的文件夹[" +
                              ToUtf8(windows) +
                              "]，在这里清理可能删除系统或程序需要的文件。\r\n\r\n确实要继续吗?\r\n"
                              "未清理。确实要在这里清理时，请加上 /Y。\r\n";
    const struct {
        std::wstring args;
        DWORD code;
        std::string err;
    } cases[] = {
        {L"\"" + scratch.Root() + L"\" _tmp /E \".git|\"", 2,
         "排除的项不能为空，请删去多余的“|”!\r\n"},
        {L"\"" + scratch.Root() + L"\" _tmp /A 0", 2,
         "未修改天数须为 1 到 36500 之间的整数，请重新输入!\r\n"},
        {L"\"" + folder + L"\" _tmp", 2, guard},
        {L"\"" + folder + L"\" _tmp /P", 0, ""},
        {L"\"" + folder + L"\" _tmp /Y", 0, ""},
    };
    for (const auto& c : cases) {
        // Output files of their own: the last program's may not be closed yet.
        const TempTree output;
        const Finished run = RunConsoleProgram(c.args, output);
        EXPECT_EQ(run.code, c.code) << ToUtf8(c.args);
        EXPECT_EQ(run.err, c.err) << ToUtf8(c.args);
    }
    EXPECT_EQ(::GetFileAttributesW((folder + L"\\a_tmp").c_str()), INVALID_FILE_ATTRIBUTES);
    ::RemoveDirectoryW(folder.c_str());
}
