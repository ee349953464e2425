#include "dialog/RunTexts.h"

#include "dialog/UiTexts.h"
#include "engine/ByteSize.h"
#include "engine/TimeStamp.h"
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

// What the rules keep out and how old what goes must be, as the headings name them.
WString RulesText(const WString& exclusionsText, int ageDays)
{
    WString text;
    const size_t first = exclusionsText.find_first_not_of(_T(' '));
    if (first != WString::npos) {
        const WString shown =
            exclusionsText.substr(first, exclusionsText.find_last_not_of(_T(' ')) - first + 1);
        text += Formatted(UiText(IDS_RULE_EXCLUDED), shown);
    }
    if (ageDays > 0) {
        CString age;
        age.Format(UiText(IDS_RULE_AGE), ageDays);
        text += age.Text();
    }
    return text;
}

// The heading's text with the rules after it, before its closing line break.
WString WithRules(WString heading, const WString& rules)
{
    const WString lineEnd = _T("\r\n");
    const bool ends =
        heading.size() >= lineEnd.size() &&
        heading.compare(heading.size() - lineEnd.size(), lineEnd.size(), lineEnd) == 0;
    heading.insert(ends ? heading.size() - lineEnd.size() : heading.size(), rules);
    return heading;
}

}  // namespace

RunTexts::RunTexts(const WString& keyword, int matchCase, bool previewOnly,
                   const WString& exclusionsText, int ageDays)
    : m_keyword(keyword),
      m_rules(RulesText(exclusionsText, ageDays)),
      m_matchCase(matchCase),
      m_previewOnly(previewOnly),
      m_deleted(UiText(IDS_MARK_DELETED)),
      m_failed(UiText(IDS_MARK_FAILED)),
      m_wouldDelete(UiText(IDS_MARK_WOULD_DELETE)),
      m_tooLargeForBin(UiText(IDS_ROW_TOO_LARGE_FOR_BIN)),
      m_fileInHand(UiText(previewOnly ? IDS_PREVIEWING : IDS_DELETING_FILE)),
      m_folderInHand(UiText(previewOnly ? IDS_PREVIEWING : IDS_DELETING_FOLDER)),
      m_bytesWord(UiText(IDS_SIZE_BYTES).Text())
{
}

void RunTexts::Add(const RunReport& report, std::vector<Row>& rows, WString& status)
{
    switch (report.kind) {
    case RunReport::Searching:
        status = Formatted(UiText(IDS_SEARCHING), report.text);
        break;
    case RunReport::PassBegun: {
        m_pass = report.pass;
        Row row;
        row.operation = report.text;
        row.object = WithRules(
            Formatted(UiText(Heading(m_pass, m_matchCase, m_previewOnly)), m_keyword), m_rules);
        row.heading = true;
        rows.push_back(std::move(row));
        break;
    }
    case RunReport::InHand:
        status = Formatted(report.pass == Pass::Files ? m_fileInHand : m_folderInHand, report.text);
        break;
    case RunReport::ObjectDone: {
        ++m_counts[static_cast<int>(m_pass)];
        Row row;
        row.operation = Mark(report.outcome).Text();
        row.object = report.text;
        if (report.outcome == Outcome::TooLargeForBin)
            row.object = Formatted(m_tooLargeForBin, report.text);
        row.size = Size(report.object.size);
        row.bytes = report.object.size;
        row.changed = FileTimeText(report.object.lastChange);
        row.changedAt = report.object.lastChange;
        if (report.outcome == Outcome::WouldDelete) {
            row.pick = true;
            row.entry = report.object;
            m_freed.Add(report.object);
        }
        rows.push_back(std::move(row));
        break;
    }
    case RunReport::PassEnded: {
        if (m_pass == Pass::Folders) m_freed.SetFolderPassTotal(report.total);
        Row total;
        total.size = Size(report.total);
        total.bytes = report.total;
        total.sizeOfHeading = true;
        rows.push_back(std::move(total));
        if (report.stopped) {
            Row stopped;
            stopped.operation = report.text;
            stopped.object =
                UiText(m_previewOnly ? IDS_PREVIEW_STOPPED_ROW : IDS_STOPPED_ROW).Text();
            rows.push_back(std::move(stopped));
        }
        rows.emplace_back();
        break;
    }
    case RunReport::Faulted: {
        Row fault;
        fault.operation = m_failed.Text();
        fault.object = UiText(IDS_FAULT_ROW).Text();
        rows.push_back(std::move(fault));
        rows.emplace_back();
        break;
    }
    }
}

WString RunTexts::Size(ULONGLONG bytes) const
{
    return ByteSizeText(bytes, m_bytesWord);
}

const CString& RunTexts::Mark(Outcome outcome) const
{
    switch (outcome) {
    case Outcome::Deleted:
        return m_deleted;
    case Outcome::Failed:
    case Outcome::TooLargeForBin:
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
    else if (end == RunEnd::NoRecycleBin)
        text = UiText(IDS_NO_RECYCLE_BIN);
    else if (end == RunEnd::Stopped)
        text.Format(UiText(m_previewOnly ? IDS_PREVIEW_STOPPED : IDS_STOPPED), folder);
    else if (m_previewOnly) {
        text.Format(UiText(IDS_PREVIEW_DONE), folder, m_counts[0], m_counts[1],
                    Size(m_freed.Total()).c_str());
        text += m_rules.c_str();
    } else
        text.Format(UiText(IDS_DONE), folder);
    return text.Text();
}
