#include "dialog/LogExport.h"

#include "dialog/UiTexts.h"
#include "res/LogMenuIds.h"
#include "res/resource.h"

#include <cstring>
#include <memory>
#include <utility>

namespace {

// Up to this many rows are turned into text on the window's thread, in a few milliseconds.
const size_t kRowsAtOnce = 5000;

HGLOBAL TextOf(const std::vector<LogCells>& rows)
{
    WString text;
    for (const LogCells& row : rows) text += LogLine(row) + L"\r\n";
    if (text.empty()) return NULL;
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == NULL) return NULL;
    memcpy(::GlobalLock(memory), text.c_str(), bytes);
    ::GlobalUnlock(memory);
    return memory;
}

size_t RowCount(const LogStore::Snapshot& rows)
{
    return rows.columns == 0 ? 0 : rows.cells.size() / rows.columns;
}

}  // namespace

std::vector<LogCells> CellsOf(const LogStore::Snapshot& rows)
{
    std::vector<LogCells> cells(RowCount(rows));
    for (size_t row = 0; row < cells.size(); ++row)
        cells[row].assign(rows.cells.begin() + static_cast<ptrdiff_t>(row * rows.columns),
                          rows.cells.begin() + static_cast<ptrdiff_t>((row + 1) * rows.columns));
    return cells;
}

LogExports::~LogExports()
{
    for (std::thread& thread : m_threads) thread.join();
}

void LogExports::Copy(LogStore::Snapshot rows, HWND owner)
{
    if (RowCount(rows) <= kRowsAtOnce) {
        PutOnClipboard(owner, reinterpret_cast<LPARAM>(TextOf(CellsOf(rows))));
        return;
    }
    m_threads.emplace_back([owner, rows = std::move(rows)] {
        const HGLOBAL text = TextOf(CellsOf(rows));
        if (text != NULL &&
            !::PostMessageW(owner, WM_LOG_COPIED, 0, reinterpret_cast<LPARAM>(text)))
            ::GlobalFree(text);
    });
}

void LogExports::Save(LogStore::Snapshot rows, const WString& path, HWND owner)
{
    if (RowCount(rows) <= kRowsAtOnce) {
        if (!SaveLogCsv(path, CellsOf(rows)))
            TellSaveFailed(owner, reinterpret_cast<LPARAM>(new WString(path)));
        return;
    }
    m_threads.emplace_back([owner, path, rows = std::move(rows)] {
        if (SaveLogCsv(path, CellsOf(rows))) return;
        std::unique_ptr<WString> failed(new WString(path));
        if (::PostMessageW(owner, WM_LOG_SAVE_FAILED, 0, reinterpret_cast<LPARAM>(failed.get())))
            failed.release();
    });
}

void LogExports::PutOnClipboard(HWND owner, LPARAM text)
{
    const HGLOBAL memory = reinterpret_cast<HGLOBAL>(text);
    if (memory == NULL) return;
    // The clipboard owns the memory once it takes it.
    if (!::OpenClipboard(owner)) {
        ::GlobalFree(memory);
        return;
    }
    ::EmptyClipboard();
    if (::SetClipboardData(CF_UNICODETEXT, memory) == NULL) ::GlobalFree(memory);
    ::CloseClipboard();
}

void LogExports::TellSaveFailed(HWND owner, LPARAM path)
{
    const std::unique_ptr<WString> failed(reinterpret_cast<WString*>(path));
    CString message;
    message.Format(UiText(IDS_SAVE_LOG_FAILED), failed->c_str());
    ::MessageBoxW(owner, message, UiText(IDS_CAPTION), MB_OK | MB_ICONWARNING);
}
