// The progress line of a long run, seen from outside: on a pseudo-terminal and
// on a plain file.

#include "ExitCode.h"
#include "ProgramFileFixture.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace tessivar::test {
namespace {

// Turns three rings of copies for ever, R(1) to R(5), R(9) and R(10), R(11)
// to R(17), whose registers come back to their places only every 70 trips,
// more than a loop summary follows: about 1.2 billion lines take more than a
// second at any speed the runner reaches.
constexpr std::string_view kRingsForEver = "T(1,6)\nT(2,1)\nT(3,2)\nT(4,3)\nT(5,4)\nT(6,5)\nT(9,6)\nT(10,9)\nT(6,10)\n"
                                           "T(11,6)\nT(12,11)\nT(13,12)\nT(14,13)\nT(15,14)\nT(16,15)\nT(17,16)\n"
                                           "T(6,17)\nJ(1,1,1)\n";
constexpr const char* kLongRunBudget = "1200000000";

struct TerminalRun {
    int exitCode = -1;
    std::string terminal; // what the run wrote to standard error
};

// Runs the executable with standard error on a new pseudo-terminal and standard
// output to /dev/null.
TerminalRun RunOnTerminal(std::vector<std::string> args)
{
    args.insert(args.begin(), TESSIVAR_EXECUTABLE);
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    int terminal = -1;
    const pid_t child = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (child == 0) {
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        execv(argv[0], argv.data());
        _exit(127);
    }
    TerminalRun run;
    if (child < 0) {
        ADD_FAILURE() << "forkpty failed";
        return run;
    }
    char buffer[4096];
    for (;;) {
        const ssize_t count = read(terminal, buffer, sizeof buffer);
        if (count > 0) {
            run.terminal.append(buffer, static_cast<std::size_t>(count));
        } else if (count == 0 || errno != EINTR) {
            break; // EIO once the child's side is closed
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(terminal);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(TerminalProgress, LongRunShowsItsProgressAndWipesItBeforeTheSummary)
{
    const TemporaryProgramFile program(kRingsForEver);
    const TerminalRun run
        = RunOnTerminal({"--run", program.Path(), "1", "2", "3", "4", "5", "--max-steps", kLongRunBudget});
    EXPECT_EQ(run.exitCode, kExitNotEnded);
    const std::size_t progress = run.terminal.rfind(" steps/s)");
    const std::size_t wiped = run.terminal.rfind("      \r");
    const std::size_t summary = run.terminal.find("program not ended");
    ASSERT_NE(progress, std::string::npos) << run.terminal;
    ASSERT_NE(wiped, std::string::npos) << run.terminal;
    ASSERT_NE(summary, std::string::npos) << run.terminal;
    EXPECT_LT(progress, wiped);
    EXPECT_LT(wiped, summary);
    EXPECT_EQ(run.terminal.find("\rStep: "), run.terminal.find('\r')) << "the first thing drawn is the progress";
}

TEST(TerminalProgress, ShortRunOnATerminalShowsNone)
{
    const TemporaryProgramFile program(kRingsForEver);
    const TerminalRun run = RunOnTerminal({"--run", program.Path(), "--max-steps", "1000"});
    EXPECT_EQ(run.exitCode, kExitNotEnded);
    EXPECT_EQ(run.terminal.find("steps/s"), std::string::npos) << run.terminal;
}

TEST(TerminalProgress, LongRunWithStandardErrorInAFileShowsNone)
{
    const TemporaryProgramFile program(kRingsForEver);
    const TemporaryFolder folder;
    const std::string errPath = folder.File("stderr");
    const std::string command = std::string("'") + TESSIVAR_EXECUTABLE + "' --run '" + program.Path()
        + "' 1 2 3 4 5 --max-steps " + kLongRunBudget + " >/dev/null 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == kExitNotEnded);
    EXPECT_EQ(ReadBytes(errPath),
              std::string("Step:1200000000  program not ended: stopped after ") + kLongRunBudget
                  + " lines (--max-steps)\n");
}

} // namespace
} // namespace tessivar::test
