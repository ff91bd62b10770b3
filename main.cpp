#include "CommandLine.h"
#include "ExitCode.h"

#ifdef TESSIVAR_WITH_WINDOW
#include "RunWindow.h"
#endif

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

// Any argument asks for the command line; none opens the window where there is one.
int Run(int argc, char** argv)
{
#ifdef TESSIVAR_WITH_WINDOW
    if (argc <= 1) {
        return RunWindow(argc, argv);
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
