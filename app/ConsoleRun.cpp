#include "app/ConsoleRun.h"

#include "app/ConsoleOutput.h"
#include "app/CsvLogFile.h"
#include "dialog/CleanInput.h"
#include "dialog/LogText.h"
#include "dialog/RunTexts.h"
#include "dialog/UiTexts.h"
#include "res/CommandLineIds.h"

#include <atomic>

namespace {

// The console's events come on a thread of the system's, which may still be setting them
// as the run ends: they live as long as the process.
HANDLE StopAsked()
{
    static const HANDLE event = ::CreateEventW(NULL, FALSE, FALSE, NULL);
    return event;
}

HANDLE RunFinished()
{
    static const HANDLE event = ::CreateEventW(NULL, TRUE, FALSE, NULL);
    return event;
}

// Every event stops the run as "停止" does. Closing the console, logging off and shutting
// down end the process as soon as the handler returns: it waits for the run to stop and its
// log to be written.
BOOL WINAPI OnConsoleControl(DWORD type)
{
    ::SetEvent(StopAsked());
    if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT)
        ::WaitForSingleObject(RunFinished(), INFINITE);
    return TRUE;
}

// Hears the job on its thread and wakes the main thread.
class JobSignals : public ICleanJobOwner {
public:
    JobSignals() : m_wake(::CreateEventW(NULL, FALSE, FALSE, NULL)) {}
    ~JobSignals() override { ::CloseHandle(m_wake); }

    void ReportsWaiting() override { ::SetEvent(m_wake); }
    void RunEnded(RunEnd end, bool faulted) override
    {
        m_end = end;
        m_faulted = faulted;
        m_ended = true;
        ::SetEvent(m_wake);
    }

    HANDLE m_wake;
    std::atomic<bool> m_ended{false};
    RunEnd m_end = RunEnd::Stopped;
    bool m_faulted = false;
};

void WriteError(UINT id, const WString& text)
{
    CString message;
    message.Format(UiText(id), text.c_str());
    WriteLine(STD_ERROR_HANDLE, message.Text());
}

}  // namespace

int RunFromCommandLine(const CommandLine& command)
{
    CleanFolder folder;
    const UINT refusal = CheckCleanInput(command.keyword, command.folder, folder);
    if (refusal != 0) {
        WriteLine(STD_ERROR_HANDLE, UiText(refusal).Text());
        return kExitRefused;
    }
    CleanRules rules;
    WString message;
    if (!folder.shown.empty() &&
        CheckCleanRules(command.exclusions, command.age, folder, rules, message) != 0) {
        WriteLine(STD_ERROR_HANDLE, message);
        return kExitRefused;
    }
    // Nobody is there to answer the window's question: only /Y lets such a run go.
    if (!folder.shown.empty() && !command.previewOnly && !command.systemAllowed) {
        const WString question = GuardQuestion(folder);
        if (!question.empty()) {
            WriteLine(STD_ERROR_HANDLE, question);
            WriteLine(STD_ERROR_HANDLE, UiText(IDS_CLI_GUARD_REFUSED).Text());
            return kExitRefused;
        }
    }
    // Refused before anything is deleted: a run whose record cannot be kept does not start.
    const bool logging = !command.logFile.empty();
    CsvLogFile csv;
    if (logging && !csv.Open(command.logFile)) {
        WriteError(IDS_CLI_LOG_UNWRITABLE, command.logFile);
        return kExitRefused;
    }
    bool logWritten = true;

    RunTexts texts(command.keyword, command.matchCase ? 1 : 0, command.previewOnly,
                   command.exclusions, rules.ageDays);
    std::vector<LogCells> log;
    size_t lastHeading = SIZE_MAX;
    bool anyFailed = false;
    RunEnd end = RunEnd::Completed;
    bool faulted = false;
    if (!folder.shown.empty()) {
        const CleanRequest request = {
            folder.folder,        folder.shown,  command.keyword,  command.exactMatch,
            command.matchCase,    command.files, command.folders,  command.previewOnly,
            command.toRecycleBin, nullptr,       rules.exclusions, rules.ageDays};

        ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
        JobSignals signals;
        {
            CleanJob job(request, signals);
            const HANDLE waits[] = {signals.m_wake, StopAsked()};
            for (;;) {
                if (::WaitForMultipleObjects(2, waits, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
                    job.Stop();
                // Read before the take: a run that has ended has queued all it reported.
                const bool ended = signals.m_ended;
                std::vector<RunTexts::Row> rows;
                WString status;
                for (const RunReport& report : job.TakeReports(SIZE_MAX)) {
                    if (report.kind == RunReport::ObjectDone &&
                        (report.outcome == Outcome::Failed ||
                         report.outcome == Outcome::TooLargeForBin))
                        anyFailed = true;
                    texts.Add(report, rows, status);
                }
                for (const RunTexts::Row& row : rows) {
                    // A pass's total belongs in its heading row, long printed by then: the
                    // saved log has it there, the console's lines stay as printed.
                    if (row.sizeOfHeading) {
                        if (lastHeading < log.size()) log[lastHeading][2] = row.size;
                        if (logging) logWritten = csv.Rewrite(log) && logWritten;
                        continue;
                    }
                    if (row.heading) lastHeading = log.size();
                    log.push_back({row.operation, row.object, row.size, row.changed});
                    // Into the file first: every row printed is in the log, whenever the
                    // process ends.
                    if (logging) logWritten = csv.Append(log.back()) && logWritten;
                    WriteLine(STD_OUTPUT_HANDLE, LogLine(log.back()));
                }
                if (ended) break;
            }
        }
        end = signals.m_end;
        faulted = signals.m_faulted;
    }

    const bool nothingDone = end == RunEnd::FolderUnavailable || end == RunEnd::NoRecycleBin;
    WriteLine(nothingDone ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE,
              texts.EndText(end, faulted, command.folder));
    if (logging && !(csv.Rewrite(log) && logWritten))
        WriteError(IDS_CLI_LOG_UNWRITABLE, command.logFile);
    ::SetEvent(RunFinished());
    return ExitCode(end, faulted, anyFailed);
}
