// The demonstration behind tools/run.sh on a machine without a display: cleans a folder
// through the real main dialog, prints the log as UTF-8, and keeps the window up until the
// script has taken its screenshot.
//   varnel_demo.exe FOLDER KEYWORD READY_FILE STOP_FILE
// READY_FILE is written with the window's screen rectangle once the run is over; the dialog
// closes when STOP_FILE appears (or after a minute).
#include <windows.h>

#include <cstdio>
#include <string>

#include "res/resource.h"
#include "tests/dialog/SweepDlgDriver.h"

static std::string ToUtf8(const std::wstring& wide)
{
    std::string utf8(wide.size() * 3 + 1, '\0');
    utf8.resize(static_cast<size_t>(::WideCharToMultiByte(
        CP_UTF8, 0, wide.c_str(), -1, &utf8[0], static_cast<int>(utf8.size()), NULL, NULL)));
    return utf8.c_str();
}

static std::wstring WithoutLineEnd(std::wstring text)
{
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n')) text.pop_back();
    return text;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: varnel_demo FOLDER KEYWORD READY_FILE STOP_FILE\n");
        return 2;
    }
    const std::wstring folder = argv[1], keyword = argv[2], readyFile = argv[3], stopFile = argv[4];

    SweepDlgDriver::Run([&](SweepDlgDriver& d) {
        d.SetCheck(IDC_CHECK_DELETE_FILES, true);
        d.Clean(keyword, folder);

        std::printf("%s\n", ToUtf8(d.Text(IDC_STATIC_STATUS)).c_str());
        for (const SweepDlgDriver::Row& row : d.Rows()) {
            if (row.first.empty() && row.second.empty())
                std::printf("\n");
            else
                std::printf("%s | %s\n", ToUtf8(row.first).c_str(),
                            ToUtf8(WithoutLineEnd(row.second)).c_str());
        }
        std::fflush(stdout);

        ::UpdateWindow(d.Window());
        RECT rect;
        ::GetWindowRect(d.Window(), &rect);
        if (FILE* ready = _wfopen(readyFile.c_str(), L"w")) {
            std::fprintf(ready, "%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top,
                         rect.left, rect.top);
            std::fclose(ready);
        }
        // Keep painting while the screenshot is taken.
        for (int waited = 0;
             waited < 60000 && ::GetFileAttributesW(stopFile.c_str()) == INVALID_FILE_ATTRIBUTES;
             waited += 50) {
            MSG msg;
            while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            ::Sleep(50);
        }
    });
    return 0;
}
