// The log's context menu and its keys: "复制" (Ctrl+C), "全选" (Ctrl+A), "保存日志…" and, on an
// object's row, "打开所在文件夹".
#pragma once

#include "controls/CListCtrlCl.h"
#include "dialog/LogExport.h"
#include "dialog/LogText.h"

#include <shlobj.h>

#include <vector>

// The rows' texts in every column the list has, in the order shown; only the selected rows
// when asked.
LogStore::Snapshot LogRows(CListCtrlCl& list, bool selectedOnly);

// The selected rows on the clipboard as Unicode text: a line each, the columns tab-separated.
void CopyLogRows(CListCtrlCl& list, LogExports& exports, HWND owner);

// Shows the menu at a screen point, or below the focused row for (-1, -1) (Shift+F10, the menu
// key), and does what is chosen.
void ShowLogMenu(CListCtrlCl& list, LogExports& exports, HWND owner, LPARAM screenPoint);

// The shell's item for an object a row shows, the object itself whatever its name and its
// path's length (for "打开所在文件夹"); null when the shell has none. ILFree frees it.
PIDLIST_ABSOLUTE ObjectItem(const WString& object);

// Ctrl+C pressed in the log (the list itself takes Ctrl+A); false for any other key.
bool OnLogKey(CListCtrlCl& list, LogExports& exports, HWND owner, WORD key);
