#pragma once
// Records and closes the message boxes this thread shows while the capture exists
// (a thread-local WH_CBT hook on HCBT_ACTIVATE). Only one capture at a time.
#include <windows.h>

#include <string>
#include <vector>

struct CapturedMessageBox {
    std::wstring text;     // the box's message (static 0xFFFF)
    std::wstring caption;  // the box's window text
    UINT icon;             // MB_ICONHAND, MB_ICONQUESTION, MB_ICONEXCLAMATION, MB_ICONASTERISK or 0
    HWND owner;            // the box's owner window
};

class MessageBoxCapture {
public:
    // Each box is answered by clicking the button `answer` (IDOK closes an MB_OK box).
    explicit MessageBoxCapture(int answer = IDOK);
    ~MessageBoxCapture();
    MessageBoxCapture(const MessageBoxCapture&) = delete;
    MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

    const std::vector<CapturedMessageBox>& boxes() const { return m_boxes; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hook;
    int m_answer;
    std::vector<CapturedMessageBox> m_boxes;
};
