#include "dialog/LogMenu.h"

#include "dialog/UiTexts.h"
#include "framework/CHeaderCtrl.h"
#include "res/LogMenuIds.h"
#include "res/resource.h"

#include <commdlg.h>
#include <shlobj.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

namespace {

int NextSelected(CListCtrl& list, int after)
{
    return static_cast<int>(list.SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(after),
                                             MAKELPARAM(LVNI_SELECTED, 0)));
}

// The object a row names: its second cell, on a row marked as an object's; else empty.
WString ObjectOfRow(CListCtrl& list, int row)
{
    if (row < 0) return WString();
    const CString mark = list.GetItemText(row, 0);
    const WString object = list.GetItemText(row, 1).Text();
    const bool objectRow = mark == UiText(IDS_MARK_DELETED) || mark == UiText(IDS_MARK_FAILED) ||
                           mark == UiText(IDS_MARK_WOULD_DELETE);
    // The fault row is marked "×" too, but names no path.
    if (!objectRow || object.find(L'\\') == WString::npos) return WString();
    return object;
}

// Explorer on the object's folder, the object selected; on the folder alone when it is gone.
void OpenObjectFolder(const WString& object)
{
    const HRESULT com = ::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
    PIDLIST_ABSOLUTE item = ObjectItem(object);
    if (item != NULL) {
        ::SHOpenFolderAndSelectItems(item, 0, NULL, 0);
        ::ILFree(item);
    } else {
        const WString folder = object.substr(0, object.rfind(L'\\'));
        ::ShellExecuteW(NULL, L"open", folder.c_str(), NULL, NULL, SW_SHOWNORMAL);
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
}

void SaveLog(CListCtrlCl& list, LogExports& exports, HWND owner)
{
    CString filter = UiText(IDS_SAVE_LOG_FILTER);
    WString filters = filter.Text();
    for (auto& c : filters)
        if (c == L'|') c = L'\0';
    std::vector<wchar_t> path(32768, L'\0');
    const CString name = UiText(IDS_SAVE_LOG_NAME);
    lstrcpynW(path.data(), name, static_cast<int>(path.size()));
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filters.c_str();
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = static_cast<DWORD>(path.size());
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&dialog)) return;
    exports.Save(LogRows(list, false), path.data(), owner);
}

}  // namespace

namespace {

// The child of `folder` named exactly `name`, found among its items rather than parsed: parsed,
// "a_tmp." would be "a_tmp" and "aux.tmp" a device.
PIDLIST_ABSOLUTE ChildNamed(PIDLIST_ABSOLUTE folder, const WString& name)
{
    IShellFolder* desktop = NULL;
    IShellFolder* shellFolder = NULL;
    if (FAILED(::SHGetDesktopFolder(&desktop))) return NULL;
    const HRESULT bound = desktop->BindToObject(folder, NULL, IID_IShellFolder,
                                                reinterpret_cast<void**>(&shellFolder));
    desktop->Release();
    if (FAILED(bound)) return NULL;
    PIDLIST_ABSOLUTE found = NULL;
    IEnumIDList* items = NULL;
    if (shellFolder->EnumObjects(NULL, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN,
                                 &items) == S_OK) {
        PITEMID_CHILD child = NULL;
        while (found == NULL && items->Next(1, &child, NULL) == S_OK) {
            STRRET text;
            wchar_t shown[MAX_PATH] = {};
            if (SUCCEEDED(shellFolder->GetDisplayNameOf(child, SHGDN_INFOLDER | SHGDN_FORPARSING,
                                                        &text)) &&
                SUCCEEDED(::StrRetToBufW(&text, child, shown, MAX_PATH)) && name == shown)
                found = ::ILCombine(folder, child);
            ::ILFree(child);
        }
        items->Release();
    }
    shellFolder->Release();
    return found;
}

}  // namespace

PIDLIST_ABSOLUTE ObjectItem(const WString& object)
{
    // Only the root is parsed ("C:\", "\\server\share\"); every name below it is found as
    // itself, so that neither a name nor the path's length is read as Win32 would.
    size_t namesStart = 0;
    if (object.compare(0, 2, L"\\\\") == 0) {
        const size_t share = object.find(L'\\', 2);
        namesStart = share == WString::npos ? share : object.find(L'\\', share + 1);
    } else {
        namesStart = object.find(L'\\');
    }
    if (namesStart == WString::npos) return NULL;
    ++namesStart;
    PIDLIST_ABSOLUTE item = ::ILCreateFromPathW(object.substr(0, namesStart).c_str());
    for (size_t start = namesStart; item != NULL && start < object.size();) {
        const size_t end = std::min(object.find(L'\\', start), object.size());
        PIDLIST_ABSOLUTE child = ChildNamed(item, object.substr(start, end - start));
        ::ILFree(item);
        item = child;
        start = end + 1;
    }
    return item;
}

LogStore::Snapshot LogRows(CListCtrlCl& list, bool selectedOnly)
{
    CHeaderCtrl* header = list.GetHeaderCtrl();
    const size_t columns = header != NULL ? static_cast<size_t>(header->GetItemCount()) : 0;
    std::vector<size_t> positions;
    if (selectedOnly) {
        positions = list.SelectedRows();
    } else {
        positions.resize(list.Rows().GetRowCount());
        for (size_t row = 0; row < positions.size(); ++row) positions[row] = row;
    }
    return list.Rows().Take(positions, columns);
}

void CopyLogRows(CListCtrlCl& list, LogExports& exports, HWND owner)
{
    exports.Copy(LogRows(list, true), owner);
}

void ShowLogMenu(CListCtrlCl& list, LogExports& exports, HWND owner, LPARAM screenPoint)
{
    const int focused = static_cast<int>(
        list.SendMessage(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), MAKELPARAM(LVNI_FOCUSED, 0)));
    const int selected = NextSelected(list, -1);
    // The row the menu is about: the focused one when it is selected (a right click selects
    // and focuses the row under it), else the first selected.
    const bool focusedSelected =
        focused >= 0 && list.SendMessage(LVM_GETITEMSTATE, static_cast<WPARAM>(focused),
                                         LVIS_SELECTED) != 0;
    const int row = focusedSelected ? focused : selected;
    const WString object = ObjectOfRow(list, row);

    POINT point = {static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    // The keyboard's menu comes at (-1, -1): in the low 32 bits, which on x64 is not LPARAM -1.
    if (point.x == -1 && point.y == -1) {
        RECT cell = {LVIR_BOUNDS, 0, 0, 0};
        point = {0, 0};
        if (row >= 0 && list.SendMessage(LVM_GETITEMRECT, static_cast<WPARAM>(row),
                                         reinterpret_cast<LPARAM>(&cell)) != FALSE)
            point = {cell.left, cell.bottom};
        ::ClientToScreen(list.GetSafeHwnd(), &point);
    }

    const HMENU menu = ::CreatePopupMenu();
    const UINT anySelected = selected >= 0 ? MF_ENABLED : MF_GRAYED;
    ::AppendMenuW(menu, MF_STRING | anySelected, ID_LOG_COPY, UiText(IDS_MENU_COPY));
    ::AppendMenuW(menu, MF_STRING, ID_LOG_SELECT_ALL, UiText(IDS_MENU_SELECT_ALL));
    ::AppendMenuW(menu, MF_SEPARATOR, 0, NULL);
    ::AppendMenuW(menu, MF_STRING | (list.GetItemCount() > 0 ? MF_ENABLED : MF_GRAYED),
                  ID_LOG_SAVE, UiText(IDS_MENU_SAVE_LOG));
    ::AppendMenuW(menu, MF_STRING | (object.empty() ? MF_GRAYED : MF_ENABLED),
                  ID_LOG_OPEN_FOLDER, UiText(IDS_MENU_OPEN_FOLDER));
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, point.x, point.y, 0, owner, NULL));
    ::DestroyMenu(menu);

    switch (chosen) {
    case ID_LOG_COPY:
        CopyLogRows(list, exports, owner);
        break;
    case ID_LOG_SELECT_ALL:
        list.SelectAll();
        break;
    case ID_LOG_SAVE:
        SaveLog(list, exports, owner);
        break;
    case ID_LOG_OPEN_FOLDER:
        OpenObjectFolder(object);
        break;
    }
}

bool OnLogKey(CListCtrlCl& list, LogExports& exports, HWND owner, WORD key)
{
    if (::GetKeyState(VK_CONTROL) >= 0) return false;
    if (key == 'C') {
        CopyLogRows(list, exports, owner);
        return true;
    }
    return false;
}
