#include "CommandLine.h"

#ifdef TESSIVAR_WITH_WINDOW
#include "RunWindow.h"
#endif

#include <iostream>
#include <string>
#include <vector>

// Any argument asks for the command line; none opens the window where there is one.
int main(int argc, char** argv)
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
