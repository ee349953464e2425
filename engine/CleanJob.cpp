#include "engine/CleanJob.h"

#include "engine/TimeStamp.h"

#include <algorithm>
#include <iterator>

namespace {

// Reports that only change what the run has in hand, and make no row of their own.
bool ShowsOnlyWhatIsInHand(const RunReport& report)
{
    return report.kind == RunReport::Searching || report.kind == RunReport::InHand;
}

RunReport Report(RunReport::Kind kind, const WString& text)
{
    return {kind, Pass::Files, Outcome::Failed, false, text};
}

}  // namespace

CleanJob::CleanJob(const CleanRequest& request, ICleanJobOwner& owner, size_t mostWaiting)
    : m_owner(owner),
      m_mostWaiting(mostWaiting),
      m_thread([this, request] { Run(request); })
{
}

CleanJob::~CleanJob()
{
    Stop();
    m_thread.join();
}

void CleanJob::Stop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_taken.notify_all();
}

void CleanJob::Run(const CleanRequest& request)
{
    RunEnd end = RunEnd::Stopped;
    bool faulted = false;
    // A fault ends the run with a report that says so, never the program.
    try {
        end = RunClean(request, *this, m_stop);
    } catch (...) {
        faulted = true;
        Queue(Report(RunReport::Faulted, WString()));
    }
    m_owner.RunEnded(end, faulted);
}

std::vector<RunReport> CleanJob::TakeReports(size_t most)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const size_t count = std::min(most, m_reports.size());
    std::vector<RunReport> reports(std::make_move_iterator(m_reports.begin()),
                                   std::make_move_iterator(m_reports.begin() + count));
    m_reports.erase(m_reports.begin(), m_reports.begin() + count);
    if (m_reports.empty()) m_ownerTold = false;
    if (count > 0) m_taken.notify_all();
    return reports;
}

void CleanJob::Queue(RunReport report)
{
    bool tell = false;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        // Once stopped, nothing waits: the owner may wait for the run's end before it takes more.
        m_taken.wait(lock, [this] { return m_reports.size() < m_mostWaiting || m_stop; });
        // Only the latest object in hand is worth showing: a walk through many folders must
        // not leave a backlog of them.
        if (ShowsOnlyWhatIsInHand(report) && !m_reports.empty() &&
            ShowsOnlyWhatIsInHand(m_reports.back()))
            m_reports.back() = std::move(report);
        else
            m_reports.push_back(std::move(report));
        tell = !m_ownerTold;
        m_ownerTold = true;
    }
    if (tell) m_owner.ReportsWaiting();
}

void CleanJob::Searching(const WString& folder)
{
    Queue(Report(RunReport::Searching, folder));
}

void CleanJob::BeginPass(Pass pass, const WString& timeStamp)
{
    RunReport report = Report(RunReport::PassBegun, timeStamp);
    report.pass = pass;
    Queue(std::move(report));
}

void CleanJob::Working(Pass pass, const WString& path)
{
    RunReport report = Report(RunReport::InHand, path);
    report.pass = pass;
    Queue(std::move(report));
}

void CleanJob::ObjectDone(Outcome outcome, const PathEntry& object)
{
    RunReport report = Report(RunReport::ObjectDone, object.path);
    report.outcome = outcome;
    report.object = object;
    Queue(std::move(report));
}

void CleanJob::EndPass(bool stopped, ULONGLONG total)
{
    RunReport report = Report(RunReport::PassEnded, GetTimeStamp());
    report.stopped = stopped;
    report.total = total;
    Queue(std::move(report));
}
