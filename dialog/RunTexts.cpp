#include "dialog/RunTexts.h"

#include "dialog/UiTexts.h"
#include "res/resource.h"

namespace {

WString Formatted(LPCWSTR format, const WString& text)
{
    CString formatted;
    formatted.Format(format, text.c_str());
    return formatted.Text();
}

UINT Heading(Pass pass, int matchCase, bool previewOnly)
{
    if (pass == Pass::Folders)
        return previewOnly ? IDS_PREVIEW_HEADING_FOLDERS : IDS_HEADING_FOLDERS;
    if (matchCase == 1)
        return previewOnly ? IDS_PREVIEW_HEADING_FILES_CASE : IDS_HEADING_FILES_CASE;
    return previewOnly ? IDS_PREVIEW_HEADING_FILES : IDS_HEADING_FILES;
}

}  // namespace

RunTexts::RunTexts(const WString& keyword, int matchCase, bool previewOnly)
    : m_keyword(keyword),
      m_matchCase(matchCase),
      m_previewOnly(previewOnly),
      m_deleted(UiText(IDS_MARK_DELETED)),
      m_failed(UiText(IDS_MARK_FAILED)),
      m_wouldDelete(UiText(IDS_MARK_WOULD_DELETE)),
      m_fileInHand(UiText(previewOnly ? IDS_PREVIEWING : IDS_DELETING_FILE)),
      m_folderInHand(UiText(previewOnly ? IDS_PREVIEWING : IDS_DELETING_FOLDER))
{
}

void RunTexts::Add(const RunReport& report, std::vector<Row>& rows, WString& status)
{
    switch (report.kind) {
    case RunReport::Searching:
        status = Formatted(UiText(IDS_SEARCHING), report.text);
        break;
    case RunReport::PassBegun:
        m_pass = report.pass;
        rows.emplace_back(
            report.text, Formatted(UiText(Heading(m_pass, m_matchCase, m_previewOnly)), m_keyword));
        break;
    case RunReport::InHand:
        status = Formatted(report.pass == Pass::Files ? m_fileInHand : m_folderInHand, report.text);
        break;
    case RunReport::ObjectDone:
        ++m_counts[static_cast<int>(m_pass)];
        rows.emplace_back(Mark(report.outcome).Text(), report.text);
        break;
    case RunReport::PassEnded:
        if (report.stopped)
            rows.emplace_back(
                report.text,
                UiText(m_previewOnly ? IDS_PREVIEW_STOPPED_ROW : IDS_STOPPED_ROW).Text());
        rows.emplace_back(WString(), WString());
        break;
    case RunReport::Faulted:
        rows.emplace_back(m_failed.Text(), UiText(IDS_FAULT_ROW).Text());
        rows.emplace_back(WString(), WString());
        break;
    }
}

const CString& RunTexts::Mark(Outcome outcome) const
{
    switch (outcome) {
    case Outcome::Deleted:
        return m_deleted;
    case Outcome::Failed:
        return m_failed;
    case Outcome::WouldDelete:
        return m_wouldDelete;
    }
    return m_failed;
}

WString RunTexts::EndText(RunEnd end, bool faulted, const WString& folderText) const
{
    const LPCWSTR folder = folderText.c_str();
    CString text;
    if (faulted)
        text.Format(UiText(IDS_FAULTED), folder);
    else if (end == RunEnd::FolderUnavailable)
        text = UiText(IDS_FOLDER_UNAVAILABLE);
    else if (end == RunEnd::Stopped)
        text.Format(UiText(m_previewOnly ? IDS_PREVIEW_STOPPED : IDS_STOPPED), folder);
    else if (m_previewOnly)
        text.Format(UiText(IDS_PREVIEW_DONE), folder, m_counts[0], m_counts[1]);
    else
        text.Format(UiText(IDS_DONE), folder);
    return text.Text();
}
