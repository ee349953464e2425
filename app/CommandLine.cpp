#include "app/CommandLine.h"

#include <shellapi.h>

namespace {

WString Upper(WString text)
{
    for (auto& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<wchar_t>(c - 'a' + 'A');
    return text;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<WString>& args)
{
    CommandLine command;
    std::vector<WString> positional;
    bool anySwitch = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const WString& arg = args[i];
        if (arg.empty() || arg[0] != '/') {
            positional.push_back(arg);
            continue;
        }
        anySwitch = true;
        const WString name = Upper(arg);
        if (name == _T("/?")) {
            command.kind = CommandLine::Usage;
            return command;
        }
        if (name == _T("/F"))
            command.files = true;
        else if (name == _T("/D"))
            command.folders = true;
        else if (name == _T("/X"))
            command.exactMatch = true;
        else if (name == _T("/C"))
            command.matchCase = true;
        else if (name == _T("/P"))
            command.previewOnly = true;
        else if (name == _T("/R"))
            command.toRecycleBin = true;
        else if (name == _T("/Y"))
            command.systemAllowed = true;
        else if (name == _T("/L") && i + 1 < args.size() && !args[i + 1].empty())
            command.logFile = args[++i];
        else if (name == _T("/E") && i + 1 < args.size())
            command.exclusions = args[++i];
        else if (name == _T("/A") && i + 1 < args.size())
            command.age = args[++i];
        else if (command.wrong.empty())
            command.wrong = arg;
    }
    if (!command.files && !command.folders) command.files = command.folders = true;
    if (!command.wrong.empty()) return command;
    if (positional.size() == 2) {
        command.kind = CommandLine::Run;
        command.folder = positional[0];
        command.keyword = positional[1];
    } else if (!anySwitch && positional.size() <= 1) {
        command.kind = CommandLine::Window;
        if (!positional.empty()) command.folder = positional[0];
    }
    return command;
}

WString LastOfSeveralPaths(const std::vector<WString>& args)
{
    if (args.size() < 2) return WString();
    for (const WString& arg : args)
        if (arg.empty() || arg[0] == '/' || arg.find_first_of(_T("\\:")) == WString::npos)
            return WString();
    return args.back();
}

int ExitCode(RunEnd end, bool faulted, bool anyFailed)
{
    if (end == RunEnd::FolderUnavailable || end == RunEnd::NoRecycleBin) return kExitRefused;
    if (end == RunEnd::Stopped && !faulted) return kExitStopped;
    if (faulted || anyFailed) return kExitLeft;
    return kExitDone;
}

std::vector<WString> ProgramArguments()
{
    int count = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<WString> args;
    if (argv == NULL) return args;
    for (int i = 1; i < count; ++i) args.push_back(argv[i]);
    ::LocalFree(argv);
    return args;
}
