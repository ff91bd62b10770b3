#include "CommandLine.h"
#include "ExitCode.h"

#ifdef TESSIVAR_WITH_WINDOW
#include "RunWindow.h"
#endif

#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

// No argument opens the window where there is one, and so does a lone file
// name (a file manager's "open with"); options ask for the command line.
int Run(int argc, char** argv)
{
#ifdef TESSIVAR_WITH_WINDOW
    if (argc <= 1) {
        return RunWindow(argc, argv, std::nullopt);
    }
    if (argc == 2 && argv[1][0] != '-') {
        return RunWindow(argc, argv, std::string(argv[1]));
    }
#endif
    std::vector<std::string> args;
    for (int index = 1; index < argc; ++index) {
        args.emplace_back(argv[index]);
    }
    return tessivar::RunCommandLine(args, TESSIVAR_VERSION, std::cout, std::cerr);
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
