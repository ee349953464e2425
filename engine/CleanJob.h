#pragma once
// A clean run on a thread of its own, apart from any window: it queues what the run reports
// for its owner to take at the owner's pace, tells the owner when reports wait and when the
// run is over, and stops when asked. The dialog shows it; a console would print it.

#include "engine/CleanRun.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// One thing the run reported, as plain data.
struct RunReport {
    enum Kind {
        Searching,   // text: the folder searched
        PassBegun,   // pass; text: the time stamp of the pass's heading
        InHand,      // pass; text: the object's path
        ObjectDone,  // outcome, object; text: the object's path
        PassEnded,   // stopped, total; text: the time it ended
        Faulted,     // a fault ended the run
    };
    Kind kind;
    Pass pass;
    Outcome outcome;
    bool stopped;
    WString text;
    PathEntry object = {};  // as the walk found it
    ULONGLONG total = 0;    // the pass's bytes
};

// What the owner of a job hears, on the job's thread: it should only post or signal.
class ICleanJobOwner {
public:
    virtual ~ICleanJobOwner() = default;
    // Reports wait to be taken. Said once, then again only after a take has left none.
    virtual void ReportsWaiting() = 0;
    // The run is over and all it reported is queued; faulted when a fault ended it.
    virtual void RunEnded(RunEnd end, bool faulted) = 0;
};

class CleanJob : private ICleanReport {
public:
    // The reports that may wait untaken: a run that reports faster than its owner takes (a
    // preview lists a whole tree in moments) waits for it rather than filling the memory.
    static const size_t kMostWaiting = 16384;

    // Starts the run at once, on a thread at normal priority: a run below it can stand still
    // while other programs keep the processors busy.
    CleanJob(const CleanRequest& request, ICleanJobOwner& owner,
             size_t mostWaiting = kMostWaiting);
    // A run still going is stopped and waited for.
    ~CleanJob() override;
    CleanJob(const CleanJob&) = delete;
    CleanJob& operator=(const CleanJob&) = delete;

    // The run ends after the object in hand.
    void Stop();
    // The oldest reports not yet taken, at most `most` of them.
    std::vector<RunReport> TakeReports(size_t most);

private:
    void Run(const CleanRequest& request);
    void Queue(RunReport report);

    void Searching(const WString& folder) override;
    void BeginPass(Pass pass, const WString& timeStamp) override;
    void Working(Pass pass, const WString& path) override;
    void ObjectDone(Outcome outcome, const PathEntry& object) override;
    void EndPass(bool stopped, ULONGLONG total) override;

    ICleanJobOwner& m_owner;
    const size_t m_mostWaiting;
    std::atomic<bool> m_stop{false};
    std::mutex m_mutex;
    std::condition_variable m_taken;  // a take made room, or the run is to stop
    std::deque<RunReport> m_reports;
    bool m_ownerTold = false;  // told of waiting reports, and no take has left none since
    std::thread m_thread;      // last: it starts once everything above is made
};
