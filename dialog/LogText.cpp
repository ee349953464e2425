#include "dialog/LogText.h"

#include "framework/Utf8.h"

#include <windows.h>

namespace {

// The headings end in a line break that the log does not draw.
WString Shown(const WString& cell)
{
    size_t end = cell.size();
    while (end > 0 && (cell[end - 1] == '\r' || cell[end - 1] == '\n')) --end;
    return cell.substr(0, end);
}

WString CsvField(const WString& cell)
{
    const WString text = Shown(cell);
    if (text.find_first_of(_T(",\"\r\n")) == WString::npos) return text;
    WString quoted = _T("\"");
    for (const auto c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + _T("\"");
}

}  // namespace

WString LogLine(const LogCells& row)
{
    WString line;
    for (size_t i = 0; i < row.size(); ++i) line += (i > 0 ? _T("\t") : _T("")) + Shown(row[i]);
    return line;
}

std::string LogCsv(const std::vector<LogCells>& rows)
{
    WString csv;
    for (const LogCells& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) csv += (i > 0 ? _T(",") : _T("")) + CsvField(row[i]);
        csv += _T("\r\n");
    }
    return "\xEF\xBB\xBF" + ToUtf8(csv);
}

bool SaveLogCsv(const WString& path, const std::vector<LogCells>& rows)
{
    const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                      CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const std::string csv = LogCsv(rows);
    DWORD written = 0;
    const bool ok = ::WriteFile(file, csv.data(), static_cast<DWORD>(csv.size()), &written, nullptr) != FALSE &&
                    written == csv.size();
    return ::CloseHandle(file) != FALSE && ok;
}
