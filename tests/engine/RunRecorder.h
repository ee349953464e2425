#pragma once
// What a clean run tells, written down as the log shows it: a line per heading ("files",
// "folders"), per object ("√ a\b", "× a", "○ a", relative to the chosen folder) and per end
// ("end", "stopped").

#include "engine/CleanRun.h"

#include <functional>
#include <vector>

class RunRecorder : public ICleanReport {
public:
    explicit RunRecorder(const WString& shownRoot)
        : m_root(shownRoot)
    {
    }
    void Searching(const WString&) override {}
    void BeginPass(Pass pass, const WString&) override
    {
        rows.push_back(pass == Pass::Files ? _T("files") : _T("folders"));
    }
    void Working(Pass, const WString&) override {}
    void ObjectDone(Outcome outcome, const PathEntry& object) override
    {
        const WString& path = object.path;
        objects.push_back(object);
        const WString mark = outcome == Outcome::Deleted          ? _T("√ ")
                             : outcome == Outcome::Failed         ? _T("× ")
                             : outcome == Outcome::TooLargeForBin ? _T("×bin ")
                                                                  : _T("○ ");
        rows.push_back(mark + path.substr(m_root.size() + 1));
        if (afterObject) afterObject();
    }
    void EndPass(bool stopped, ULONGLONG total) override
    {
        rows.push_back(stopped ? _T("stopped") : _T("end"));
        totals.push_back(total);
    }

    std::vector<WString> rows;
    std::vector<ULONGLONG> totals;  // each pass's
    std::vector<PathEntry> objects;
    std::function<void()> afterObject;

private:
    WString m_root;
};
