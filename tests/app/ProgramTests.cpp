// Varnel.exe as built: the resources it carries, and that it starts with its main dialog and
// ends when that dialog closes.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/app/ProgramPath.h"

namespace {

const WORD kChinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = ::LoadLibraryExW(ProgramPath().c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_module, nullptr) << ProgramPath();
    }
    void TearDown() override
    {
        if (m_module) ::FreeLibrary(m_module);
    }

    const void* Find(LPCWSTR type, WORD id, DWORD* size = nullptr) const
    {
        const HRSRC info = ::FindResourceExW(m_module, type, MAKEINTRESOURCEW(id), kChinesePrc);
        if (!info) return nullptr;
        if (size) *size = ::SizeofResource(m_module, info);
        return ::LockResource(::LoadResource(m_module, info));
    }

    std::wstring VersionString(const std::vector<wchar_t>& block, const wchar_t* name) const
    {
        wchar_t* value = nullptr;
        UINT length = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
        if (!::VerQueryValueW(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            return L"<missing>";
        return value;
    }

    HMODULE m_module = nullptr;
};

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST_F(ProgramResources, DialogsAndStringAreChinesePrc)
{
    EXPECT_NE(Find(RT_DIALOG, IDD_ABOUTBOX), nullptr);
    EXPECT_NE(Find(RT_DIALOG, IDD_VARNEL_DIALOG), nullptr);
    // String 101 lives in block 7 (101 / 16 + 1).
    EXPECT_NE(Find(RT_STRING, IDS_ABOUTBOX / 16 + 1), nullptr);
    wchar_t text[64] = {};
    ::LoadStringW(m_module, IDS_ABOUTBOX, text, static_cast<int>(std::size(text)));
    EXPECT_STREQ(text, L"关于 Varnel(&A)...");
}

TEST_F(ProgramResources, IconHasEveryImage)
{
    DWORD size = 0;
    const auto* group = static_cast<const WORD*>(Find(RT_GROUP_ICON, IDR_MAINFRAME, &size));
    ASSERT_NE(group, nullptr);
    const int count = group[2];
    const auto* entries = reinterpret_cast<const GroupIconEntry*>(group + 3);
    std::vector<std::pair<int, int>> images;
    for (int i = 0; i < count; ++i)
        images.emplace_back(entries[i].width ? entries[i].width : 256, entries[i].bitCount);
    const std::vector<std::pair<int, int>> expected = {{16, 8},  {32, 8},  {48, 8},  {16, 32},
                                                       {32, 32}, {48, 32}, {64, 32}, {128, 32}};
    EXPECT_EQ(images, expected);
    for (const int side : {16, 32, 48}) {
        const HICON icon = static_cast<HICON>(
            ::LoadImageW(m_module, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, side, side, 0));
        EXPECT_NE(icon, nullptr) << side;
        if (icon) ::DestroyIcon(icon);
    }
}

TEST_F(ProgramResources, VersionBlock)
{
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(ProgramPath().c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<wchar_t> block(size);
    ASSERT_TRUE(::GetFileVersionInfoW(ProgramPath().c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 0x04B0);

    const std::pair<const wchar_t*, const wchar_t*> fixedTexts[] = {
        {L"FileDescription", L"Varnel V1.0"},
        {L"ProductName", L"Varnel V1.0"},
        {L"FileVersion", L"1.0"},
        {L"ProductVersion", L"1.0"},
        {L"OriginalFilename", L"Varnel V1.0.EXE"},
    };
    for (const auto& [name, text] : fixedTexts) EXPECT_EQ(VersionString(block, name), text) << name;
    for (const wchar_t* name : {L"InternalName", L"LegalCopyright", L"LegalTrademarks"})
        EXPECT_NE(VersionString(block, name), L"<missing>") << name;
}

// Windows refuses to start an image whose manifest names another architecture (Wine does not
// check), and without an execution level a 32-bit program in Program Files is virtualized.
TEST(ProgramManifest, EachProgramNamesItsOwnArchitectureAndRunsAsInvoker)
{
    const bool wide = sizeof(void*) == 8;
    const std::string architecture = wide ? "processorArchitecture=\"amd64\""
                                          : "processorArchitecture=\"x86\"";
    for (const std::wstring& program : {ProgramPath(), WindowsPathOf(VARNEL_COM)}) {
        SCOPED_TRACE(ToUtf8(program));
        DWORD binaryType = 0;
        ASSERT_TRUE(::GetBinaryTypeW(program.c_str(), &binaryType));
        EXPECT_EQ(binaryType, static_cast<DWORD>(wide ? SCS_64BIT_BINARY : SCS_32BIT_BINARY));

        const HMODULE module = ::LoadLibraryExW(program.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr);
        const HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST);
        ASSERT_NE(info, nullptr);
        const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(module, info))),
                                   ::SizeofResource(module, info));
        ::FreeLibrary(module);
        EXPECT_NE(manifest.find(architecture), std::string::npos) << manifest;
        EXPECT_EQ(manifest.find("processorArchitecture="), manifest.rfind("processorArchitecture="));
        EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    }
}

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindMainWindow(HWND hWnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    if (owner != search->processId || !::IsWindowVisible(hWnd)) return TRUE;
    search->found = hWnd;
    return FALSE;
}

}  // namespace

// Starts the program with arguments it must ignore, waits for its main window, closes it
// the given way and expects the process to end with nothing else shown.
void CheckStartAndClose(const wchar_t* how, UINT message, WPARAM wParam)
{
    SCOPED_TRACE(how);
    std::wstring commandLine = L"\"" + ProgramPath() + L"\" /ignored --also-ignored";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    ASSERT_TRUE(::CreateProcessW(NULL, &commandLine[0], NULL, NULL, FALSE, 0, NULL, NULL, &startup,
                                 &process));

    Search search = {process.dwProcessId, NULL};
    ::WaitForInputIdle(process.hProcess, 20000);
    for (int tries = 0; tries < 200 && !search.found; ++tries) {
        ::EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(50);
    }
    ASSERT_NE(search.found, nullptr);
    wchar_t title[64] = {};
    ::GetWindowTextW(search.found, title, static_cast<int>(std::size(title)));
    EXPECT_STREQ(title, L"Varnel V1.0");
    // Every text the window shows, read back in UTF-16 from the running program.
    const std::pair<int, const wchar_t*> texts[] = {
        {IDC_STATIC_PATH_LABEL, L"清理路径:"},
        {IDC_EDIT_PATH, L"支持目录拖曳"},
        {IDC_BUTTON_BROWSE, L"..."},
        {IDC_STATIC_GROUP, L"快速设置"},
        {IDC_STATIC_KEYWORD_LABEL, L"关键字:"},
        {IDC_CHECK_EXACT_MATCH, L"关键字完全匹配"},
        {IDC_CHECK_MATCH_CASE, L"大小写匹配"},
        {IDC_CHECK_DELETE_FOLDERS, L"删除目录"},
        {IDC_CHECK_DELETE_FILES, L"删除文件"},
        {IDC_CHECK_PREVIEW, L"仅预览"},
        {IDC_STATIC_WARNING, L"温馨提示：当选中删除目录时同时会删除该目录下的所有文件，目前版本"
                             L"暂不支持从回收站恢复，请谨慎使用！"},
        {IDC_BUTTON_CLEAN, L"现在清理"},
        {IDCANCEL, L"退出"},
    };
    for (const auto& text : texts) {
        wchar_t shown[256] = {};
        ::SendMessageW(::GetDlgItem(search.found, text.first), WM_GETTEXT, std::size(shown),
                       reinterpret_cast<LPARAM>(shown));
        EXPECT_STREQ(shown, text.second) << text.first;
    }

    ::PostMessageW(search.found, message, wParam, 0);
    EXPECT_EQ(::WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
    ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
}

TEST(ProgramRun, ClosingTheMainDialogEndsTheProgram)
{
    CheckStartAndClose(L"exit button", WM_COMMAND, IDCANCEL);
    CheckStartAndClose(L"close command", WM_SYSCOMMAND, SC_CLOSE);
}
