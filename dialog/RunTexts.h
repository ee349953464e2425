// The texts of a clean run: its reports turned into the log's rows and the status line, and
// the text it ends with. No window code, so a console can print the same texts.
#pragma once

#include "dialog/FreedBytes.h"
#include "engine/CleanJob.h"
#include "framework/CString.h"

#include <vector>

class RunTexts {
public:
    // A row of the log, or (sizeOfHeading) the size cell of the pass's heading row once the
    // pass has ended.
    struct Row {
        WString operation;  // the mark or the time stamp
        WString object;
        WString size;             // empty, or the bytes as Explorer shows them
        ULONGLONG bytes = 0;      // what size shows, to sort by
        WString changed;          // empty, or the object's last change as the time stamps read
        ULONGLONG changedAt = 0;  // what changed shows, to sort by
        bool heading = false;
        bool sizeOfHeading = false;
        bool pick = false;  // a preview's "○": `entry` is what a later run may be given
        PathEntry entry;
    };

    // exclusionsText and ageDays: the run's rules, which its headings and a preview's end name
    // (none when empty and 0).
    RunTexts(const WString& keyword, int matchCase, bool previewOnly, const WString& exclusionsText,
             int ageDays);

    // Appends the rows the report makes; sets status when it changes the status line.
    void Add(const RunReport& report, std::vector<Row>& rows, WString& status);
    // What the user is told once the run is over: the status line, or for a folder that could
    // not be opened, the message.
    WString EndText(RunEnd end, bool faulted, const WString& folderText) const;

private:
    const CString& Mark(Outcome outcome) const;
    WString Size(ULONGLONG bytes) const;

    const WString m_keyword;
    const WString m_rules;  // the rules' text, empty for none
    const int m_matchCase;
    const bool m_previewOnly;
    // Texts of every object, loaded once rather than per row.
    const CString m_deleted;
    const CString m_failed;
    const CString m_wouldDelete;
    const CString m_tooLargeForBin;
    const CString m_fileInHand;
    const CString m_folderInHand;
    const WString m_bytesWord;
    Pass m_pass = Pass::Files;
    int m_counts[2] = {0, 0};  // the objects listed per pass: what a preview says would go
    FreedBytes m_freed;        // what a preview says would be freed
};
