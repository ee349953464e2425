// The log rows and the status line of a clean run as it goes. The run's thread reports into it;
// the window's thread takes what came in batches, at the pace a person can follow.
#pragma once

#include "engine/CleanRun.h"

#include <deque>
#include <mutex>
#include <utility>
#include <vector>

class RunLog : public ICleanReport {
public:
    typedef std::pair<WString, WString> Row;  // the texts of the two columns

    RunLog(const WString& keyword, int matchCase, bool previewOnly);

    void Searching(const WString& folder) override;
    void BeginPass(Pass pass, const WString& timeStamp) override;
    void Working(Pass pass, const WString& path) override;
    void ObjectDone(Outcome outcome, const WString& path) override;
    void EndPass(bool stopped) override;
    // The run ended by a fault: a row that says so, and the end of the block.
    void Failed();

    // For the window's thread: the oldest rows not yet taken, at most `most` of them.
    std::vector<Row> TakeRows(size_t most);
    // The status text, when it changed since the last call.
    bool TakeStatus(WString& status);
    // How many objects of the pass the run listed (what a preview says would go).
    int Count(Pass pass) const { return m_counts[static_cast<int>(pass)]; }

private:
    void AddRow(const WString& operation, const WString& object);
    void SetStatus(const WString& status);

    const WString m_keyword;
    const int m_matchCase;
    const bool m_previewOnly;
    Pass m_pass = Pass::Files;  // the run's thread only
    int m_counts[2] = {0, 0};   // read once the run is over

    std::mutex m_mutex;
    std::deque<Row> m_rows;
    WString m_status;
    bool m_statusChanged = false;
};
