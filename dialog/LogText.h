// The log's rows as text: a tab-separated line (the clipboard, the command line's output) and
// CSV (the saved log, the command line's /L). Cells are shown as the log draws them, on one line.
#pragma once

#include "framework/WideString.h"

#include <string>
#include <vector>

typedef std::vector<WString> LogCells;  // one text per column of the log

// The row's cells separated by tabs, without a line end.
WString LogLine(const LogCells& row);

// UTF-8 with a byte order mark (so that Excel reads it as such), one line per row, a field
// quoted where it holds a comma, a quote or a line break.
std::string LogCsv(const std::vector<LogCells>& rows);

// Writes LogCsv to the file, replacing what was there; false when it could not be written.
bool SaveLogCsv(const WString& path, const std::vector<LogCells>& rows);
