#include "CommandLine.h"

#include "CheckCommand.h"
#include "CommandLineOptions.h"
#include "ExitCode.h"
#include "HeadlessRun.h"
#include "Phrase.h"
#include "ProgramFileInput.h"
#include "ProgramGraph.h"
#include "Usage.h"

#include <iostream>
#include <unistd.h>
#include <variant>

namespace tessivar {

namespace {

// Only the process's own standard error can be a terminal; a string stream never is.
std::ostream* TerminalOf(std::ostream& err)
{
    return &err == &std::cerr && isatty(STDERR_FILENO) ? &err : nullptr;
}

int WriteGraph(const std::string& programPath, Language language, std::ostream& out, std::ostream& err)
{
    const std::optional<TextLines> lines = ReadEditorLines(programPath, language, err);
    if (!lines) {
        return kExitUsage;
    }
    out << ProgramGraphDot(*lines, language);
    return kExitEnded;
}

} // namespace

int RunCommandLine(std::span<const std::string> args, std::string_view version, Language language, std::ostream& out,
                   std::ostream& err)
{
    if (args.empty()) {
        err << UsageText();
        return kExitUsage;
    }
    const auto parsed = ParseCommandLine(args, language);
    if (const auto* usageError = std::get_if<UsageError>(&parsed)) {
        err << "tessivar: " << usageError->message << '\n'
            << Say(language,
                   {"Try 'tessivar --help' for more information.", "詳しくは 'tessivar --help' を見てください。"})
            << '\n';
        return kExitUsage;
    }
    const auto& options = std::get<CommandLineOptions>(parsed);
    switch (options.action) {
    case CommandLineOptions::Action::Help:
        out << UsageText();
        return kExitEnded;
    case CommandLineOptions::Action::Version:
        out << "tessivar " << version << '\n';
        return kExitEnded;
    case CommandLineOptions::Action::Graph:
        return WriteGraph(options.run.programPath, language, out, err);
    case CommandLineOptions::Action::Check:
        return RunCheck(options.check, language, out, err);
    case CommandLineOptions::Action::Run:
        break;
    }
    return RunHeadless(options.run, language, out, err, TerminalOf(err));
}

} // namespace tessivar
