// The demonstration behind tools/run.sh on a machine without a display: cleans a folder
// through the real main dialog, prints the log as UTF-8, and keeps the window up until the
// script has taken its screenshot.
//   varnel_demo.exe FOLDER KEYWORD READY_FILE STOP_FILE [run|preview|hold|preview-run|guard]
// READY_FILE is written with the window's screen rectangle once the run is over; the dialog
// closes when STOP_FILE appears (or after a minute). "preview" ticks "仅预览"; "hold" holds
// the run at its 40th object for the screenshot instead, and lets it go on once STOP_FILE
// appears. "preview-run" shows a preview first, then, once STOP_FILE appears (the script
// removes both files meanwhile), the run that follows. "guard" shows the question a run asks
// before it deletes in such a folder, and answers No once STOP_FILE appears. The rules'
// fields take VARNEL_DEMO_EXCLUDE and VARNEL_DEMO_AGE when they are set.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "engine/Deletion.h"
#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "framework/Utf8.h"

static std::wstring WithoutLineEnd(std::wstring text)
{
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
    return text;
}

static bool Exists(const std::wstring& path)
{
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Tells the script where the window is, so it can take its picture.
static void SignalReady(HWND hDlg, const std::wstring& readyFile)
{
    RECT rect;
    ::GetWindowRect(hDlg, &rect);
    if (FILE* ready = _wfopen(readyFile.c_str(), L"w")) {
        std::fprintf(ready, "%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top,
                     rect.left, rect.top);
        std::fclose(ready);
    }
}

// Keeps painting until the script is done with the window.
static void ShowUntil(const std::wstring& stopFile)
{
    for (int waited = 0; waited < 60000 && !Exists(stopFile); waited += 50) {
        SweepDlgDriver::HandlePending();
        ::Sleep(50);
    }
}

static std::wstring g_readyFile, g_stopFile;

// While the question is up: tells the script, waits for its picture, then answers No.
static void CALLBACK AnswerQuestion(HWND, UINT, UINT_PTR id, DWORD)
{
    const HWND hBox = ::GetActiveWindow();
    wchar_t className[16] = {};
    ::GetClassNameW(hBox, className, 16);
    if (std::wstring(className) != L"#32770" || ::GetDlgItem(hBox, IDNO) == NULL) return;
    ::KillTimer(NULL, id);
    SignalReady(::GetWindow(hBox, GW_OWNER), g_readyFile);
    while (!Exists(g_stopFile)) ::Sleep(50);
    ::PostMessageW(hBox, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
}

static void PrintLog(SweepDlgDriver& d)
{
    std::printf("%s\n", ToUtf8(d.Text(IDC_STATIC_STATUS)).c_str());
    for (const SweepDlgDriver::Row& row : d.Rows()) {
        if (row.first.empty() && row.second.empty())
            std::printf("\n");
        else
            std::printf("%s | %s\n", ToUtf8(row.first).c_str(),
                        ToUtf8(WithoutLineEnd(row.second)).c_str());
    }
    std::fflush(stdout);
}

int wmain(int argc, wchar_t** argv)
{
    const std::wstring mode = argc == 6 ? argv[5] : L"run";
    if ((argc != 5 && argc != 6) || (mode != L"run" && mode != L"preview" && mode != L"hold" &&
                                     mode != L"preview-run" && mode != L"guard")) {
        std::fprintf(stderr, "usage: varnel_demo FOLDER KEYWORD READY_FILE STOP_FILE "
                             "[run|preview|hold|preview-run|guard]\n");
        return 2;
    }
    const std::wstring folder = argv[1], keyword = argv[2], readyFile = argv[3], stopFile = argv[4];
    g_readyFile = readyFile;
    g_stopFile = stopFile;

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.SetCheck(IDC_CHECK_PREVIEW, mode == L"preview" || mode == L"preview-run");
        if (const wchar_t* exclusions = _wgetenv(L"VARNEL_DEMO_EXCLUDE"))
            d.SetText(IDC_EDIT_EXCLUDE, exclusions);
        if (const wchar_t* age = _wgetenv(L"VARNEL_DEMO_AGE")) d.SetText(IDC_EDIT_AGE, age);
        if (mode == L"guard") {
            ::SetTimer(NULL, 0, 500, AnswerQuestion);
            d.Clean(keyword, folder);
            return;
        }
        std::atomic<int> seen{0};
        if (mode == L"hold") {
            const HWND hDlg = d.Window();
            SetBeforeDeletionHook([&, hDlg](const std::wstring&) {
                if (++seen != 40) return;
                ::Sleep(300);  // the window's timer shows the object in hand meanwhile
                SignalReady(hDlg, readyFile);
                while (!Exists(stopFile)) ::Sleep(50);
            });
        }
        d.Clean(keyword, folder);
        SetBeforeDeletionHook(nullptr);
        if (mode == L"preview-run") {
            ::UpdateWindow(d.Window());
            SignalReady(d.Window(), readyFile);
            ShowUntil(stopFile);
            while (Exists(stopFile) || Exists(readyFile)) {
                SweepDlgDriver::HandlePending();
                ::Sleep(50);
            }
            d.SetCheck(IDC_CHECK_PREVIEW, false);
            d.Clean(keyword, folder);
        }
        PrintLog(d);
        if (mode == L"hold") return;

        ::UpdateWindow(d.Window());
        SignalReady(d.Window(), readyFile);
        ShowUntil(stopFile);
    });
    return 0;
}
