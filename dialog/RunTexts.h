// The texts of a clean run: its reports turned into the log's rows and the status line, and
// the status it ends with. No window code, so a console can print the same texts.
#pragma once

#include "engine/CleanJob.h"

#include <utility>
#include <vector>

class RunTexts {
public:
    typedef std::pair<WString, WString> Row;  // the texts of the two columns

    RunTexts(const WString& keyword, int matchCase, bool previewOnly);

    // Appends the rows the report makes; sets status when it changes the status line.
    void Add(const RunReport& report, std::vector<Row>& rows, WString& status);
    // The status line once the run is over (not for a folder that could not be opened).
    WString EndStatus(RunEnd end, bool faulted, const WString& folderText) const;

private:
    const WString m_keyword;
    const int m_matchCase;
    const bool m_previewOnly;
    Pass m_pass = Pass::Files;
    int m_counts[2] = {0, 0};  // the objects listed per pass: what a preview says would go
};
