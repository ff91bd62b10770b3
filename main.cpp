#include "CommandLine.h"
#include "CommandLineLanguage.h"
#include "ExitCode.h"
#include "WindowStart.h"

#ifdef TESSIVAR_WITH_WINDOW
#include "RunWindow.h"
#endif

#include <clocale>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

int Run(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
#ifdef TESSIVAR_WITH_WINDOW
    if (const std::optional<tessivar::WindowStart> start = tessivar::ParseWindowStart(args)) {
        return RunWindow(argc, argv, start->programFile, start->language);
    }
#endif
    // The system's own reasons (a file that cannot be opened) in the user's
    // language too, where the system has it.
    std::setlocale(LC_MESSAGES, "");
    return tessivar::RunCommandLine(args, TESSIVAR_VERSION, tessivar::EnvironmentLanguage(), std::cout, std::cerr);
}

} // namespace

// Whatever error is left (memory ran out, say) is reported, never a crash.
int main(int argc, char** argv)
{
    try {
        return Run(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "tessivar: " << error.what() << '\n';
        return tessivar::kExitUsage;
    }
}
