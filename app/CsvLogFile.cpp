#include "app/CsvLogFile.h"

namespace {

// LogCsv begins with a byte order mark; a row's own lines come after it.
const size_t kMarkBytes = 3;

}  // namespace

CsvLogFile::~CsvLogFile()
{
    if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
}

bool CsvLogFile::Open(const WString& path)
{
    m_file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_file != INVALID_HANDLE_VALUE && Write(LogCsv({}));
}

bool CsvLogFile::Append(const LogCells& row)
{
    return Write(LogCsv({row}).substr(kMarkBytes));
}

bool CsvLogFile::Rewrite(const std::vector<LogCells>& rows)
{
    LARGE_INTEGER start = {};
    return ::SetFilePointerEx(m_file, start, nullptr, FILE_BEGIN) && Write(LogCsv(rows)) &&
           ::SetEndOfFile(m_file);
}

bool CsvLogFile::Write(const std::string& bytes)
{
    DWORD written = 0;
    // What WriteFile has taken is the system's: it reaches the file even if this process is
    // killed the next moment.
    return m_file != INVALID_HANDLE_VALUE &&
           ::WriteFile(m_file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}
