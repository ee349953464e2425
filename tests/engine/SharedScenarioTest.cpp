// The same trees cleaned on the model of Windows' file system and, in the Windows build, on
// Wine's real one: the same rows and the same survivors keep the model honest. The one
// difference the scenarios allow for is order, which Windows leaves to the file system
// (FindFirstFileW's remarks: NTFS lists by name, FAT in the order of creation) and Wine to the
// host's directory: the rows of each block are compared as a set. Where else Wine answers
// otherwise than Windows (no extended disposition, links without their mark), the model
// answers as Windows does and ModelEngineTest.cpp tests the engine on it.
#include "tests/engine/RunRecorder.h"
#include "tests/support/ModelFileSystem.h"

#ifdef _WIN32
#include "tests/support/TempTree.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

namespace {

class Backend {
public:
    virtual ~Backend() = default;
    virtual void AddFolder(const WString& relative, DWORD attributes) = 0;
    virtual void AddFile(const WString& relative, DWORD attributes) = 0;
    virtual RunEnd Run(const WString& keyword, bool preview, RunRecorder& report) = 0;
    virtual std::set<WString> Entries() const = 0;
    virtual WString Root() const = 0;
};

CleanRequest Request(const WString& longPath, const WString& shown, const WString& keyword,
                     bool preview)
{
    return {longPath, shown, keyword, 0, 0, true, true, preview, false, nullptr, {}, 0};
}

class ModelBackend : public Backend {
public:
    ModelBackend() { m_fs.AddFolder(Root()); }
    void AddFolder(const WString& relative, DWORD attributes) override
    {
        m_fs.AddFolder(Root() + _T("\\") + relative, attributes);
    }
    void AddFile(const WString& relative, DWORD attributes) override
    {
        m_fs.AddFile(Root() + _T("\\") + relative, attributes);
    }
    RunEnd Run(const WString& keyword, bool preview, RunRecorder& report) override
    {
        const std::atomic<bool> notStopped(false);
        return RunClean(Request(ModelFileSystem::LongPath(Root()), Root(), keyword, preview),
                        report, notStopped, m_fs);
    }
    std::set<WString> Entries() const override { return m_fs.Entries(Root()); }
    WString Root() const override { return _T("C:\\scenario"); }

private:
    ModelFileSystem m_fs;
};

#ifdef _WIN32
class WineBackend : public Backend {
public:
    void AddFolder(const WString& relative, DWORD attributes) override
    {
        m_tree.AddFolder(relative, attributes);
    }
    void AddFile(const WString& relative, DWORD attributes) override
    {
        m_tree.AddFile(relative, L"x", attributes);
    }
    RunEnd Run(const WString& keyword, bool preview, RunRecorder& report) override
    {
        const std::atomic<bool> notStopped(false);
        return RunClean(Request(m_tree.LongPath(L""), m_tree.Root(), keyword, preview), report,
                        notStopped);
    }
    std::set<WString> Entries() const override { return m_tree.Entries(); }
    WString Root() const override { return m_tree.Root(); }

private:
    TempTree m_tree;
};
#endif

// Each block's rows sorted, headings and ends where they stand.
std::vector<WString> BlockwiseSorted(std::vector<WString> rows)
{
    auto start = rows.begin();
    for (auto it = rows.begin(); it != rows.end(); ++it) {
        const bool boundary =
            *it == _T("files") || *it == _T("folders") || *it == _T("end") || *it == _T("stopped");
        if (!boundary) continue;
        std::sort(start, it);
        start = it + 1;
    }
    return rows;
}

const DWORD kReadOnly = FILE_ATTRIBUTE_READONLY;
const DWORD kHiddenSystem = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

struct Object {
    const WCHAR* relative;
    bool folder;
    DWORD attributes;
};

struct Scenario {
    const char* what;
    std::vector<Object> tree;
    const WCHAR* keyword;
    bool preview;
    std::vector<WString> rows;
    std::set<WString> survivors;
};

std::vector<Scenario> Scenarios()
{
    return {
        {"nested matches: a folder with everything in it, a match inside it gone before its turn",
         {{_T("a_junk.txt"), false, 0},
          {_T("junk"), true, 0},
          {_T("junk\\inner_junk"), true, 0},
          {_T("junk\\inner_junk\\file"), false, 0},
          {_T("junk\\b_junk.txt"), false, 0},
          {_T("keep.txt"), false, 0}},
         _T("junk"),
         false,
         {_T("files"), _T("√ a_junk.txt"), _T("√ junk\\b_junk.txt"), _T("end"), _T("folders"),
          _T("× junk\\inner_junk"), _T("√ junk"), _T("end")},
         {_T("keep.txt")}},
        {"read-only: a matched file stays, inside a matched folder everything goes",
         {{_T("ro_tmp"), false, kReadOnly},
          {_T("sys_tmp"), true, kHiddenSystem},
          {_T("sys_tmp\\ro.txt"), false, kReadOnly},
          {_T("sys_tmp\\ro"), true, kReadOnly},
          {_T("sys_tmp\\ro\\inner.txt"), false, kReadOnly}},
         _T("_tmp"),
         false,
         {_T("files"), _T("× ro_tmp"), _T("end"), _T("folders"), _T("√ sys_tmp"), _T("end")},
         {_T("ro_tmp")}},
        {"names taken exactly: trailing dots and spaces, case",
         {{_T("a_TMP."), false, 0}, {_T("a_tmp"), true, 0}, {_T("b_tmp "), false, 0}},
         _T("_tmp."),
         false,
         {_T("files"), _T("√ a_TMP."), _T("end"), _T("folders"), _T("end")},
         {_T("a_tmp"), _T("b_tmp ")}},
        {"a preview lists and deletes nothing",
         {{_T("x_tmp"), false, 0}, {_T("d_tmp"), true, 0}, {_T("d_tmp\\y_tmp"), false, 0}},
         _T("_tmp"),
         true,
         {_T("files"), _T("○ d_tmp\\y_tmp"), _T("○ x_tmp"), _T("end"), _T("folders"), _T("○ d_tmp"),
          _T("end")},
         {_T("x_tmp"), _T("d_tmp"), _T("d_tmp\\y_tmp")}},
    };
}

std::vector<std::unique_ptr<Backend>> Backends()
{
    std::vector<std::unique_ptr<Backend>> backends;
    backends.emplace_back(new ModelBackend);
#ifdef _WIN32
    backends.emplace_back(new WineBackend);
#endif
    return backends;
}

TEST(SharedScenarios, TheModelAndTheRealFileSystemAgree)
{
    for (const Scenario& scenario : Scenarios()) {
        for (const std::unique_ptr<Backend>& backend : Backends()) {
            SCOPED_TRACE(scenario.what);
            for (const Object& object : scenario.tree) {
                if (object.folder)
                    backend->AddFolder(object.relative, object.attributes);
                else
                    backend->AddFile(object.relative, object.attributes);
            }
            RunRecorder report(backend->Root());
            EXPECT_EQ(RunEnd::Completed, backend->Run(scenario.keyword, scenario.preview, report));
            EXPECT_EQ(scenario.rows, BlockwiseSorted(report.rows));
            EXPECT_EQ(scenario.survivors, backend->Entries());
        }
    }
}

}  // namespace
