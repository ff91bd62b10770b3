#pragma once

namespace tessivar {

// Exit status of the command line.
enum ExitCode : int {
    kExitEnded = 0, // the program ended (also --help, --version)
    kExitStepFailed = 1, // a line could not be carried out
    kExitUsage = 2, // wrong arguments, invalid value, unreadable file
    kExitNotEnded = 3, // the line budget ran out first

    // --check: kExitUsage also for an unusable CASES file, an unreadable
    // program or a report that cannot be written.
    kExitAllPassed = 0,
    kExitSomeFailed = 1,
};

} // namespace tessivar
