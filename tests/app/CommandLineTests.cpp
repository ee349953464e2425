// The command line read into what it asks for, and each way a run ends as its exit code.
#include <gtest/gtest.h>

#include "app/CommandLine.h"
#include "framework/Utf8.h"

namespace {

struct ParseRow {
    std::vector<WString> args;
    CommandLine::Kind kind;
    const wchar_t* folder;
    const wchar_t* keyword;
    const wchar_t* flags;  // F D X C P R, each given or "-"
    const wchar_t* logFile;
    const wchar_t* wrong;
};

WString Flags(const CommandLine& c)
{
    WString flags;
    for (const auto& [on, letter] : {std::pair<bool, wchar_t>{c.files, L'F'},
                                     {c.folders, L'D'},
                                     {c.exactMatch, L'X'},
                                     {c.matchCase, L'C'},
                                     {c.previewOnly, L'P'},
                                     {c.toRecycleBin, L'R'}})
        flags += on ? letter : L'-';
    return flags;
}

}  // namespace

TEST(CommandLine, Parses)
{
    const CommandLine::Kind W = CommandLine::Window, U = CommandLine::Usage, R = CommandLine::Run,
                            M = CommandLine::Malformed;
    const ParseRow rows[] = {
        {{}, W, L"", L"", L"FD----", L"", L""},
        {{L"C:\\a b"}, W, L"C:\\a b", L"", L"FD----", L"", L""},
        {{L"C:\\a", L"_tmp"}, R, L"C:\\a", L"_tmp", L"FD----", L"", L""},
        {{L"C:\\a", L"_tmp", L"/f"}, R, L"C:\\a", L"_tmp", L"F-----", L"", L""},
        {{L"/D", L"C:\\a", L"/x", L"_tmp", L"/C", L"/p", L"/r"},
         R,
         L"C:\\a",
         L"_tmp",
         L"-DXCPR",
         L"",
         L""},
        {{L"C:\\a", L"_tmp", L"/l", L"D:\\log.csv"},
         R,
         L"C:\\a",
         L"_tmp",
         L"FD----",
         L"D:\\log.csv",
         L""},
        {{L"", L"_tmp"}, R, L"", L"_tmp", L"FD----", L"", L""},
        {{L"C:\\a", L"_tmp", L"/?"}, U, L"", L"", L"------", L"", L""},
        {{L"C:\\a", L"_tmp", L"/L"}, M, L"", L"", L"FD----", L"", L"/L"},
        {{L"C:\\a", L"_tmp", L"/Q"}, M, L"", L"", L"FD----", L"", L"/Q"},
        {{L"/ignored", L"--also-ignored"}, M, L"", L"", L"FD----", L"", L"/ignored"},
        {{L"C:\\a", L"_tmp", L"more"}, M, L"", L"", L"FD----", L"", L""},
        {{L"C:\\a", L"/F"}, M, L"", L"", L"F-----", L"", L""},
        {{L"C:\\a", L"_tmp", L"/E"}, M, L"", L"", L"FD----", L"", L"/E"},
        {{L"C:\\a", L"_tmp", L"/A"}, M, L"", L"", L"FD----", L"", L"/A"},
    };
    for (const ParseRow& row : rows) {
        WString given;
        for (const WString& arg : row.args) given += L"[" + arg + L"]";
        SCOPED_TRACE(ToUtf8(given));
        const CommandLine c = ParseCommandLine(row.args);
        EXPECT_EQ(c.kind, row.kind);
        EXPECT_EQ(c.folder, row.folder);
        EXPECT_EQ(c.keyword, row.keyword);
        EXPECT_EQ(Flags(c), row.flags);
        EXPECT_EQ(c.logFile, row.logFile);
        EXPECT_EQ(c.wrong, row.wrong);
    }
}

TEST(CommandLine, TakesTheRulesAndTheGuardsLeave)
{
    const CommandLine c =
        ParseCommandLine({L"C:\\a", L"/e", L".git | keep_*", L"_tmp", L"/a", L"90", L"/y"});
    EXPECT_EQ(c.kind, CommandLine::Run);
    EXPECT_EQ(c.keyword, L"_tmp");
    EXPECT_EQ(c.exclusions, L".git | keep_*");
    EXPECT_EQ(c.age, L"90");
    EXPECT_TRUE(c.systemAllowed);
    EXPECT_FALSE(ParseCommandLine({L"C:\\a", L"_tmp"}).systemAllowed);
}

TEST(CommandLine, SeveralPathsOpenTheWindowOnTheLast)
{
    const struct {
        std::vector<WString> args;
        const wchar_t* folder;
    } rows[] = {
        {{L"C:\\a", L"D:\\b c", L"\\\\server\\share\\d"}, L"\\\\server\\share\\d"},
        {{L"C:\\a", L"Z:"}, L"Z:"},
        {{L"C:\\a", L"_tmp"}, L""},          // a run
        {{L"C:\\a", L"D:\\b", L"/P"}, L""},  // a run with a switch, refused as one
        {{L"C:\\a"}, L""},                   // one folder: the window, as it always was
    };
    for (const auto& row : rows) EXPECT_EQ(row.folder, LastOfSeveralPaths(row.args));
}

TEST(CommandLine, ExitCodes)
{
    const struct {
        RunEnd end;
        bool faulted;
        bool anyFailed;
        int code;
    } rows[] = {
        {RunEnd::Completed, false, false, 0}, {RunEnd::Completed, false, true, 1},
        {RunEnd::Stopped, true, false, 1},    {RunEnd::Stopped, false, false, 3},
        {RunEnd::Stopped, false, true, 3},    {RunEnd::FolderUnavailable, false, false, 2},
        {RunEnd::NoRecycleBin, false, false, 2},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ExitCode(row.end, row.faulted, row.anyFailed), row.code)
            << static_cast<int>(row.end) << row.faulted << row.anyFailed;
}
