// The whole clean command in the real main dialog, driven in-process as a user would:
// folder and keyword typed, "删除文件" and "删除目录" ticked, "现在清理" clicked. Timed from
// the click to the completion text. Meanwhile another thread sends the window a message every
// 50 ms and notes how long the window takes to answer: the longest wait is how long the user
// could find the window unresponsive.
//   bench_dialog ROOT KEYWORD visible      the dialog on screen, as the user has it
//   bench_dialog ROOT KEYWORD hidden       the same run with the dialog hidden
//   bench_dialog ROOT KEYWORD count        visible, not timed: how often each window gets each
//                                          message and the time until it returns (the hooks
//                                          slow the run; compare shares, not totals)
//   bench_dialog ROOT KEYWORD hidden-count the same for the hidden dialog
//   bench_dialog ROOT KEYWORD preview      visible, "仅预览" ticked: lists and deletes nothing;
//                                          then, each timed with its longest wait, a click on
//                                          the size heading (the whole log sorted by size) and
//                                          Ctrl+A with Ctrl+C (every row copied)
//   bench_dialog ROOT KEYWORD recycle      visible, "移到回收站" ticked
// A fifth argument, IMAGE.bmp, saves what the window shows after the run, to compare the end
// of a run between two builds.
#include "bench/Measure.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"
#include "tests/support/ResponseProbe.h"

namespace {

// Sent messages per (window, message) while the hooks are in: how many, and the time from
// the call to its return (inclusive of what the handler itself sends).
struct MessageCost {
    long long count = 0;
    double seconds = 0;
};
std::map<std::pair<std::string, UINT>, MessageCost> g_messages;
std::vector<std::pair<std::pair<std::string, UINT>, Stopwatch>> g_inFlight;

std::string WindowName(HWND hWnd)
{
    // Window class names are ASCII.
    wchar_t className[64] = {};
    GetClassNameW(hWnd, className, 64);
    return std::string(className, className + std::wcslen(className)) + "#" +
           std::to_string(GetDlgCtrlID(hWnd));
}

LRESULT CALLBACK MessageSent(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION) {
        const CWPSTRUCT* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        g_inFlight.push_back({{WindowName(sent->hwnd), sent->message}, Stopwatch()});
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

LRESULT CALLBACK MessageReturned(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && !g_inFlight.empty()) {
        MessageCost& cost = g_messages[g_inFlight.back().first];
        ++cost.count;
        cost.seconds += g_inFlight.back().second.Seconds();
        g_inFlight.pop_back();
    }
    return CallNextHookEx(NULL, code, wParam, lParam);
}

void PrintMessageCosts()
{
    std::vector<std::pair<double, std::pair<std::string, UINT>>> sorted;
    for (const auto& counted : g_messages)
        sorted.push_back({counted.second.seconds, counted.first});
    std::sort(sorted.rbegin(), sorted.rend());
    for (const auto& counted : sorted)
        std::printf("MESSAGES window=%s message=0x%04X count=%lld seconds=%.4f\n",
                    counted.second.first.c_str(), counted.second.second,
                    g_messages[counted.second].count, counted.first);
}

// Writes what the window shows now as a 24-bit BMP, to compare the end of a run between builds.
bool SaveWindowImage(HWND hWnd, const wchar_t* path)
{
    RECT rect;
    GetWindowRect(hWnd, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP image = CreateDIBSection(memory, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                     &bits, NULL, 0);
    HGDIOBJ old = SelectObject(memory, image);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    const DWORD size = ((width * 3 + 3) & ~3) * height;
    BITMAPFILEHEADER file = {0x4D42, DWORD(sizeof file + sizeof info + size), 0, 0,
                             DWORD(sizeof file + sizeof info)};
    FILE* out = _wfopen(path, L"wb");
    bool written = out != nullptr && std::fwrite(&file, sizeof file, 1, out) == 1 &&
                   std::fwrite(&info, sizeof info, 1, out) == 1 &&
                   std::fwrite(bits, size, 1, out) == 1;
    if (out != nullptr) std::fclose(out);
    DeleteObject(image);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return written;
}

// The key pressed in the list as the user presses it, Ctrl held or not.
void PressKey(HWND hList, WPARAM key, bool control)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = control ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(hList, WM_KEYDOWN, key, 1);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

// Runs `step` on the dialog's thread, then handles the window's messages until `done` says the
// step's work is over; prints it as `mode` with its time, memory and longest wait.
template <typename Step, typename Done>
void TimeLogStep(const char* mode, HWND hWnd, Step step, Done done, const std::string& fields)
{
    const SIZE_T baseline = WorkingSetKb();
    Stopwatch clock;
    // The process's own peak cannot be started again: this step's is read every 5 ms.
    std::atomic<SIZE_T> peak{baseline};
    ResponseProbe probe(hWnd, [&peak] { peak = std::max(peak.load(), WorkingSetKb()); });
    step();
    MSG msg;
    while (!done()) {
        if (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        } else {
            MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        }
    }
    UpdateWindow(hWnd);
    const double seconds = clock.Seconds(), cpu = clock.CpuSeconds();
    probe.Stop();
    PrintResult(mode,
                SecondsField("seconds", seconds) + " " + SecondsField("cpu", cpu) + " " +
                    SecondsField("longest_wait", probe.Longest()) + " " +
                    SecondsField("mean_wait", probe.Mean()) + (fields.empty() ? "" : " ") + fields,
                baseline, std::max(peak.load(), WorkingSetKb()));
}

// Characters of Unicode text on the clipboard, 0 for none.
long long ClipboardCharacters(HWND owner)
{
    if (!OpenClipboard(owner)) return 0;
    long long characters = 0;
    const HANDLE text = GetClipboardData(CF_UNICODETEXT);
    if (text != NULL) characters = static_cast<long long>(GlobalSize(text) / sizeof(wchar_t)) - 1;
    CloseClipboard();
    return characters;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring how = argc >= 4 ? argv[3] : L"";
    if (argc < 4 || argc > 5 ||
        (how != L"visible" && how != L"hidden" && how != L"count" && how != L"hidden-count" &&
         how != L"preview" && how != L"recycle")) {
        std::fprintf(stderr, "usage: bench_dialog ROOT KEYWORD "
                             "visible|hidden|count|hidden-count|preview|recycle [IMAGE.bmp]\n");
        return 2;
    }
    const std::wstring root = argv[1], keyword = argv[2];
    const bool hidden = how == L"hidden" || how == L"hidden-count";
    const bool counting = how == L"count" || how == L"hidden-count";
    const wchar_t* imagePath = argc == 5 ? argv[4] : nullptr;
    bool imageSaved = true;
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);

    SIZE_T baseline = 0, runPeak = 0;
    double seconds = 0, cpu = 0, repaint = 0, longestWait = 0, meanWait = 0;
    long long rows = 0;
    std::wstring status;
    SweepDlgDriver::Run([&](SweepDlgDriver& dialog) {
        dialog.SetCheck(IDC_CHECK_DELETE_FILES, true);
        dialog.SetCheck(IDC_CHECK_DELETE_FOLDERS, true);
        dialog.SetCheck(IDC_CHECK_PREVIEW, how == L"preview");
        dialog.SetCheck(IDC_CHECK_RECYCLE, how == L"recycle");
        dialog.SetText(IDC_COMBO_KEYWORD, keyword);
        dialog.SetText(IDC_EDIT_PATH, root);
        if (hidden) ShowWindow(dialog.Window(), SW_HIDE);
        UpdateWindow(dialog.Window());
        HHOOK sentHook = NULL, returnedHook = NULL;
        if (counting) {
            sentHook = SetWindowsHookExW(WH_CALLWNDPROC, MessageSent, NULL, GetCurrentThreadId());
            returnedHook =
                SetWindowsHookExW(WH_CALLWNDPROCRET, MessageReturned, NULL, GetCurrentThreadId());
        }
        baseline = WorkingSetKb();

        Stopwatch clock;
        ResponseProbe probe(dialog.Window());
        dialog.Click(IDC_BUTTON_CLEAN);
        // A million objects take minutes.
        dialog.WaitForRun(INFINITE);
        seconds = clock.Seconds();
        cpu = clock.CpuSeconds();
        probe.Stop();
        longestWait = probe.Longest();
        meanWait = probe.Mean();

        // What the user sees next: the log and the status line painted with the new rows.
        clock.Restart();
        UpdateWindow(dialog.Window());
        repaint = clock.Seconds();
        // The run is the process's first step: its peak, before the steps that follow.
        runPeak = PeakWorkingSetKb();
        if (sentHook != NULL) {
            UnhookWindowsHookEx(sentHook);
            UnhookWindowsHookEx(returnedHook);
        }

        status = dialog.Text(IDC_STATIC_STATUS);
        const HWND hList = dialog.Item(IDC_LIST_LOG);
        rows = SendMessageW(hList, LVM_GETITEMCOUNT, 0, 0);
        if (how == L"preview") {
            // The size heading clicked, as the list view tells its parent; twice sorts largest first.
            NMLISTVIEW click = {};
            click.hdr.hwndFrom = hList;
            click.hdr.idFrom = IDC_LIST_LOG;
            click.hdr.code = LVN_COLUMNCLICK;
            click.iItem = -1;
            click.iSubItem = 2;
            const auto clickSize = [&] {
                SendMessageW(dialog.Window(), WM_NOTIFY, IDC_LIST_LOG,
                             reinterpret_cast<LPARAM>(&click));
            };
            clickSize();
            TimeLogStep("sort_size", dialog.Window(), clickSize, [] { return true; },
                        CountField("rows", rows));
            OpenClipboard(dialog.Window());
            EmptyClipboard();
            CloseClipboard();
            TimeLogStep(
                "select_copy", dialog.Window(),
                [&] {
                    PressKey(hList, 'A', true);
                    PressKey(hList, 'C', true);
                },
                [&] { return ClipboardCharacters(dialog.Window()) > 0; },
                CountField("rows", rows));
            // The picture: the largest first, nothing selected.
            LVITEMW none = {};
            none.stateMask = LVIS_SELECTED;
            SendMessageW(hList, LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(&none));
            SendMessageW(hList, LVM_ENSUREVISIBLE, 0, FALSE);
            UpdateWindow(dialog.Window());
        }
        if (imagePath != nullptr) imageSaved = SaveWindowImage(dialog.Window(), imagePath);
        EndDialog(dialog.Window(), 0);
    });

    const std::wstring expected =
        how == L"preview" ? L"预览[" + root + L"]完毕" : L"清除[" + root + L"]完毕!";
    if (status.compare(0, expected.size(), expected) != 0) {
        std::fprintf(stderr, "the run did not complete: status line \"%ls\"\n", status.c_str());
        return 1;
    }
    if (!imageSaved) {
        std::fprintf(stderr, "cannot write %ls\n", imagePath);
        return 1;
    }
    if (counting) {
        std::printf("RESULT mode=dialog_%ls seconds=%.4f rows=%lld\n", how.c_str(), seconds, rows);
        PrintMessageCosts();
        return 0;
    }
    const std::string mode = hidden ? "dialog_hidden"
                             : how == L"visible" ? "dialog_visible"
                                                 : "dialog_" + std::string(how.begin(), how.end());
    PrintResult(mode.c_str(),
                SecondsField("seconds", seconds) + " " + SecondsField("cpu", cpu) + " " +
                    SecondsField("repaint", repaint) + " " +
                    SecondsField("longest_wait", longestWait) + " " +
                    SecondsField("mean_wait", meanWait) + " " + CountField("rows", rows),
                baseline, runPeak);
    return 0;
}
