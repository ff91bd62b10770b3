#include "ExitCode.h"
#include "ProgramFileFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

namespace tessivar::test {
namespace {

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built executable with `arguments` (already quoted for the shell).
ProcessResult RunExecutable(const std::string& arguments)
{
    const TemporaryFolder folder;
    const std::string outPath = folder.File("stdout");
    const std::string errPath = folder.File("stderr");
    const std::string command
        = std::string("'") + TESSIVAR_EXECUTABLE + "' " + arguments + " >'" + outPath + "' 2>'" + errPath + "'";
    const int status = std::system(command.c_str());
    ProcessResult result;
    if (WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    result.out = ReadBytes(outPath);
    result.err = ReadBytes(errPath);
    return result;
}

TEST(Executable, RunsTheSampleProgram)
{
    const TemporaryProgramFile program(kSampleProgramFile);
    const ProcessResult result = RunExecutable("--run '" + program.Path() + "' 3");
    EXPECT_EQ(result.exitCode, kExitEnded);
    EXPECT_EQ(result.out.substr(0, 2), "2\n");
    EXPECT_NE(result.err.find("Step:  11"), std::string::npos) << result.err;
}

TEST(Executable, ExitStatusTellsHowTheRunEnded)
{
    const TemporaryProgramFile loop("S(1)\nJ(1,1,1)");
    const TemporaryProgramFile badRegister("S(300)");
    const std::vector<std::pair<std::string, int>> cases{
        {"--run '" + loop.Path() + "' -3 --max-steps 10", kExitNotEnded},
        {"--run '" + badRegister.Path() + "'", kExitStepFailed},
        {"--run '" + MissingFilePath() + "'", kExitUsage},
        {"--run '" + loop.Path() + "' --bogus", kExitUsage},
        {"--help", kExitEnded},
        {"--version", kExitEnded},
    };
    for (const auto& [arguments, exitCode] : cases) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(RunExecutable(arguments).exitCode, exitCode);
    }
}

TEST(Executable, PrintsItsVersion)
{
    const ProcessResult result = RunExecutable("--version");
    EXPECT_EQ(result.out.rfind("tessivar ", 0), 0u) << result.out;
    EXPECT_GT(result.out.size(), std::string("tessivar \n").size());
}

} // namespace
} // namespace tessivar::test
