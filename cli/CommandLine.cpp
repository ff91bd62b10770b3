#include "CommandLine.h"

#include "CommandLineOptions.h"
#include "ExitCode.h"
#include "HeadlessRun.h"
#include "Usage.h"

#include <variant>

namespace tessivar {

int RunCommandLine(std::span<const std::string> args, std::string_view version, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << UsageText();
        return kExitUsage;
    }
    const auto parsed = ParseCommandLine(args);
    if (const auto* usageError = std::get_if<UsageError>(&parsed)) {
        err << "tessivar: " << usageError->message << "\nTry 'tessivar --help' for more information.\n";
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
    case CommandLineOptions::Action::Run:
        break;
    }
    return RunHeadless(options.run, out, err);
}

} // namespace tessivar
