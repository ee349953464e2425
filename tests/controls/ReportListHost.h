#pragma once
// A parent window bound to a framework object (so it reflects notifications and draw
// requests) holding a log list set up as the main dialog sets up its own (rows kept by the list itself, LVS_OWNERDATA).

#include "controls/CListCtrlCl.h"
#include "framework/CWnd.h"

#include <string>
#include <vector>

class ReportListHost {
public:
    static const int kListId = 1028;

    // A list of the given size with no column yet. Only a host on screen gets WM_PAINT;
    // under Wine each one costs about two seconds to take down without a window manager.
    explicit ReportListHost(bool bOnScreen = false, int width = 420, int height = 240);
    ~ReportListHost();

    CListCtrlCl& List() { return m_list; }
    HWND ListWindow() const { return m_list.GetSafeHwnd(); }
    HWND HeaderWindow() const;
    HWND ParentWindow() const { return m_parent.GetSafeHwnd(); }
    // The header object the list bound to its header window.
    const CHeaderCtrlCl& Header() const;

    // The log's two columns as the main dialog adds them.
    void AddLogColumns();
    // LVN_COLUMNCLICK for `column`, sent to the parent as the list view sends it.
    void ClickColumn(int column);
    // The texts column `column` shows, top row first.
    std::vector<std::wstring> ShownColumn(int column);

private:
    CWnd m_parent;
    CListCtrlCl m_list;
};
