// Copying and saving the log's rows. A few rows are turned into text at once; many (a whole log
// of a large tree) are taken from the log in one step, as pointers to the texts its store keeps,
// and turned into text on a thread of their own, so the window goes on answering.
#pragma once

#include "controls/LogStore.h"
#include "dialog/LogText.h"

#include <thread>
#include <vector>

// Posted to the owner when the text of a copy is ready: lParam is its HGLOBAL.
const UINT WM_LOG_COPIED = WM_APP + 3;
// Posted to the owner when a log could not be saved: lParam is the path, a new WString.
const UINT WM_LOG_SAVE_FAILED = WM_APP + 4;

// The snapshot's rows as cells.
std::vector<LogCells> CellsOf(const LogStore::Snapshot& rows);

class LogExports {
public:
    LogExports() = default;
    LogExports(const LogExports&) = delete;
    LogExports& operator=(const LogExports&) = delete;
    // Waits for every copy and save under way: a saved log is never left half written.
    ~LogExports();

    // The rows on the clipboard as Unicode text: a line each, the columns tab-separated.
    void Copy(LogStore::Snapshot rows, HWND owner);
    // The rows as CSV in the file; the owner is told when that fails.
    void Save(LogStore::Snapshot rows, const WString& path, HWND owner);

    // What the owner does with WM_LOG_COPIED and WM_LOG_SAVE_FAILED.
    static void PutOnClipboard(HWND owner, LPARAM text);
    static void TellSaveFailed(HWND owner, LPARAM path);

private:
    std::vector<std::thread> m_threads;
};
