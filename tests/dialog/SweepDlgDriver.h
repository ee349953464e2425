// Drives a real CSweepDlg as a user would: texts typed, boxes ticked, buttons clicked, files
// dropped, all as window messages sent from inside the dialog's own modal loop.
#pragma once

#include <windows.h>

#include <functional>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

class SweepDlgDriver {
public:
    using Row = std::pair<std::wstring, std::wstring>;

    // What DoModal returns when body left the dialog open and the driver ended it.
    static const INT_PTR kEndedByDriver = 0x5EED;

    // Runs the dialog modally, calls body once it is up, then ends it with kEndedByDriver
    // unless body closed it. Returns DoModal's result.
    static INT_PTR Run(const std::function<void(SweepDlgDriver&)>& body);

    HWND Window() const { return m_hDlg; }
    HWND Item(int id) const { return ::GetDlgItem(m_hDlg, id); }

    void SetText(int id, const std::wstring& text);
    std::wstring Text(int id) const;
    void SetCheck(int id, bool checked);
    bool IsChecked(int id) const;
    void Click(int id);

    // Types the keyword and the folder, presses "现在清理" and waits for the run to end.
    void Clean(const std::wstring& keyword, const std::wstring& folder);
    // The same without waiting: the run goes on while the caller acts.
    void StartClean(const std::wstring& keyword, const std::wstring& folder);
    // Handles the dialog's messages until no run is going (the button reads "现在清理"
    // again); false after `milliseconds` (a minute unless told).
    bool WaitForRun(DWORD milliseconds = 60000);
    // Handles the thread's messages that are waiting, and returns.
    static void HandlePending();

    std::vector<Row> Rows() const;

    // Sends WM_DROPFILES with a real drop handle holding the paths; returns the handle.
    HGLOBAL DropFiles(const std::vector<std::wstring>& paths);

private:
    explicit SweepDlgDriver(HWND hDlg)
        : m_hDlg(hDlg)
    {
    }
    static void CALLBACK RunBody(HWND, UINT, UINT_PTR id, DWORD);

    HWND m_hDlg;
};

// Calls onShown for every window activated on this thread while it lives (about box, folder
// picker), so a test can read it and close it.
class ActivationWatch {
public:
    explicit ActivationWatch(std::function<void(HWND)> onShown);
    ~ActivationWatch();

    int Count() const { return m_count; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

    std::function<void(HWND)> m_onShown;
    HHOOK m_hook;
    int m_count = 0;
};
