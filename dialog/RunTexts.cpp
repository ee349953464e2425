#include "dialog/RunTexts.h"

#include "dialog/UiTexts.h"

namespace {

WString Formatted(LPCWSTR format, const WString& text)
{
    CString formatted;
    formatted.Format(format, text.c_str());
    return formatted.Text();
}

LPCWSTR Heading(Pass pass, int matchCase, bool previewOnly)
{
    if (pass == Pass::Folders)
        return previewOnly ? L"预览：将清除包含关键字[%s]的目录。\r\n"
                           : L"清除包含关键字[%s]的目录。\r\n";
    if (matchCase == 1)
        return previewOnly ? L"预览：将清除包含关键字[%s]的文件(关键字区分大小写)。\r\n"
                           : L"清除包含关键字[%s]的文件(关键字区分大小写)。\r\n";
    return previewOnly ? L"预览：将清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n"
                       : L"清除包含关键字[%s]的文件(关键字不区分大小写)。\r\n";
}

LPCWSTR InHand(Pass pass, bool previewOnly)
{
    if (previewOnly) return L"正在预览[%s]……";
    return pass == Pass::Files ? L"正在删除[%s]……" : L"正在删除 %s ……";
}

LPCWSTR Mark(Outcome outcome)
{
    if (outcome == Outcome::Deleted) return g_strOk;
    if (outcome == Outcome::Failed) return g_strFail;
    return L"○";  // a preview: a real run would delete it
}

}  // namespace

RunTexts::RunTexts(const WString& keyword, int matchCase, bool previewOnly)
    : m_keyword(keyword),
      m_matchCase(matchCase),
      m_previewOnly(previewOnly)
{
}

void RunTexts::Add(const RunReport& report, std::vector<Row>& rows, WString& status)
{
    switch (report.kind) {
    case RunReport::Searching:
        status = Formatted(L"正在查找 %s ……", report.text);
        break;
    case RunReport::PassBegun:
        m_pass = report.pass;
        rows.emplace_back(report.text,
                          Formatted(Heading(m_pass, m_matchCase, m_previewOnly), m_keyword));
        break;
    case RunReport::InHand:
        status = Formatted(InHand(report.pass, m_previewOnly), report.text);
        break;
    case RunReport::ObjectDone:
        ++m_counts[static_cast<int>(m_pass)];
        rows.emplace_back(Mark(report.outcome), report.text);
        break;
    case RunReport::PassEnded:
        if (report.stopped)
            rows.emplace_back(report.text, m_previewOnly ? L"已停止，余下的对象未列出。"
                                                         : L"已停止，余下的对象未删除。");
        rows.emplace_back(WString(), WString());
        break;
    case RunReport::Faulted:
        rows.emplace_back(static_cast<LPCWSTR>(g_strFail), L"运行出错，清理已中止。");
        rows.emplace_back(WString(), WString());
        break;
    }
}

WString RunTexts::EndStatus(RunEnd end, bool faulted, const WString& folderText) const
{
    const LPCWSTR folder = folderText.c_str();
    CString status;
    if (faulted)
        status.Format(L"清除[%s]出错中止!", folder);
    else if (end == RunEnd::Stopped)
        status.Format(m_previewOnly ? L"预览[%s]已停止!" : L"清除[%s]已停止!", folder);
    else if (m_previewOnly)
        status.Format(L"预览[%s]完毕：将删除 %d 个文件、%d 个目录。", folder, m_counts[0],
                      m_counts[1]);
    else
        status.Format(L"清除[%s]完毕!", folder);
    return status.Text();
}
