// The texts of a clean run: its reports turned into the log's rows and the status line, and
// the text it ends with. No window code, so a console can print the same texts.
#pragma once

#include "engine/CleanJob.h"
#include "framework/CString.h"

#include <utility>
#include <vector>

class RunTexts {
public:
    typedef std::pair<WString, WString> Row;  // the texts of the two columns

    RunTexts(const WString& keyword, int matchCase, bool previewOnly);

    // Appends the rows the report makes; sets status when it changes the status line.
    void Add(const RunReport& report, std::vector<Row>& rows, WString& status);
    // What the user is told once the run is over: the status line, or for a folder that could
    // not be opened, the message.
    WString EndText(RunEnd end, bool faulted, const WString& folderText) const;

private:
    const CString& Mark(Outcome outcome) const;

    const WString m_keyword;
    const int m_matchCase;
    const bool m_previewOnly;
    // Texts of every object, loaded once rather than per row.
    const CString m_deleted;
    const CString m_failed;
    const CString m_wouldDelete;
    const CString m_fileInHand;
    const CString m_folderInHand;
    Pass m_pass = Pass::Files;
    int m_counts[2] = {0, 0};  // the objects listed per pass: what a preview says would go
};
