// The command line's /L log, written as the rows come: a run ended at any moment (its
// console closed, the process killed) leaves every row printed so far in the file.
#pragma once

#include "dialog/LogText.h"

#include <windows.h>

class CsvLogFile {
public:
    CsvLogFile() = default;
    ~CsvLogFile();
    CsvLogFile(const CsvLogFile&) = delete;
    CsvLogFile& operator=(const CsvLogFile&) = delete;

    // Replaces what the file held with an empty log; false when it cannot be written.
    bool Open(const WString& path);
    // Adds one row at the end.
    bool Append(const LogCells& row);
    // Writes the whole log again, over what is there: a heading's cells change once its pass
    // ends. The log only grows, so the file never holds fewer rows than before.
    bool Rewrite(const std::vector<LogCells>& rows);

private:
    bool Write(const std::string& bytes);
    HANDLE m_file = INVALID_HANDLE_VALUE;
};
