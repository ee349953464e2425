#include "dialog/RunLog.h"

#include "dialog/UiTexts.h"
#include "engine/TimeStamp.h"

#include <algorithm>
#include <iterator>

namespace {

WString Formatted(LPCWSTR format, const WString& text)
{
    CString formatted;
    formatted.Format(format, text.c_str());
    return formatted.Text();
}

}  // namespace

RunLog::RunLog(const WString& keyword, int matchCase, bool previewOnly)
    : m_keyword(keyword),
      m_matchCase(matchCase),
      m_previewOnly(previewOnly)
{
}

void RunLog::Searching(const WString& folder)
{
    SetStatus(Formatted(L"正在查找 %s ……", folder));
}

void RunLog::BeginPass(Pass pass, const WString& timeStamp)
{
    m_pass = pass;
    LPCWSTR heading;
    if (pass == Pass::Folders)
        heading = m_previewOnly ? L"预览：将清除包含关键字[%s]的目录。\r\n"
                                : L"清除包含关键字[%s]的目录。\r\n";
    else if (m_matchCase == 1)
        heading = m_previewOnly ? L"预览：将清除包含关键字[%s]的文件(关键字区分大小写)。\r\n"
                                : L"清除包含关键字[%s]的文件(关键字区分大小写)。\r\n";
    else
        heading = m_previewOnly ? L"预览：将清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n"
                                : L"清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n";
    AddRow(timeStamp, Formatted(heading, m_keyword));
}

void RunLog::Working(Pass pass, const WString& path)
{
    if (m_previewOnly)
        SetStatus(Formatted(L"正在预览[%s]……", path));
    else if (pass == Pass::Files)
        SetStatus(Formatted(L"正在删除[%s]……", path));
    else
        SetStatus(Formatted(L"正在删除 %s ……", path));
}

void RunLog::ObjectDone(Outcome outcome, const WString& path)
{
    ++m_counts[static_cast<int>(m_pass)];
    LPCWSTR mark = L"○";  // a preview: a real run would delete it
    if (outcome == Outcome::Deleted) mark = g_strOk;
    if (outcome == Outcome::Failed) mark = g_strFail;
    AddRow(mark, path);
}

void RunLog::EndPass(bool stopped)
{
    if (stopped)
        AddRow(GetTimeStamp(),
               m_previewOnly ? L"已停止，余下的对象未列出。" : L"已停止，余下的对象未删除。");
    AddRow(L"", L"");
}

void RunLog::Failed()
{
    AddRow(static_cast<LPCWSTR>(g_strFail), L"运行出错，清理已中止。");
    AddRow(L"", L"");
}

std::vector<RunLog::Row> RunLog::TakeRows(size_t most)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const size_t count = std::min(most, m_rows.size());
    std::vector<Row> rows(std::make_move_iterator(m_rows.begin()),
                          std::make_move_iterator(m_rows.begin() + count));
    m_rows.erase(m_rows.begin(), m_rows.begin() + count);
    return rows;
}

bool RunLog::TakeStatus(WString& status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_statusChanged) return false;
    status = m_status;
    m_statusChanged = false;
    return true;
}

void RunLog::AddRow(const WString& operation, const WString& object)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_rows.emplace_back(operation, object);
}

void RunLog::SetStatus(const WString& status)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_status = status;
    m_statusChanged = true;
}
