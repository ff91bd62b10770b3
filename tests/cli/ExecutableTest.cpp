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
    const TemporaryProgramFile successorCases("2 -> R1=3\n");
    const TemporaryProgramFile successor("S(1)");
    const std::vector<std::pair<std::string, int>> cases{
        {"--run '" + loop.Path() + "' -3 --max-steps 10", kExitNotEnded},
        {"--run '" + badRegister.Path() + "'", kExitStepFailed},
        {"--run '" + MissingFilePath() + "'", kExitUsage},
        {"--graph '" + MissingFilePath() + "'", kExitUsage},
        {"--graph '" + loop.Path() + "'", kExitEnded},
        {"--run '" + loop.Path() + "' --bogus", kExitUsage},
        {"--check '" + successorCases.Path() + "' '" + successor.Path() + "'", kExitAllPassed},
        {"--check '" + successorCases.Path() + "' '" + successor.Path() + "' '" + loop.Path() + "'", kExitSomeFailed},
        {"--check '" + successorCases.Path() + "' '" + MissingFilePath() + "' '" + successor.Path() + "'", kExitUsage},
        {"--check '" + successor.Path() + "' '" + successor.Path() + "'", kExitUsage},
        {"--help", kExitEnded},
        {"--version", kExitEnded},
    };
    for (const auto& [arguments, exitCode] : cases) {
        SCOPED_TRACE(arguments);
        EXPECT_EQ(RunExecutable(arguments).exitCode, exitCode);
    }
}

TEST(Executable, GraphIsAPictureForGraphviz)
{
    const TemporaryProgramFile program(
        "\xEF\xBB\xBF/ 掛け算 \"a\\b\"\nS(3)\nZ(4)\nT(1,2)\nJ(1,2,.2)\nJ(3,3,1)\n\nS(300)\nJ(1,1,0)\n"
        "J(1,2,99)\nJ(1,2,-5)\nq(1)\nS(1)\x01\x07\x1f\x7f\tok");
    const ProcessResult graph = RunExecutable("--graph '" + program.Path() + "'");
    ASSERT_EQ(graph.exitCode, kExitEnded) << graph.err;
    EXPECT_EQ(graph.err, "");

    const TemporaryFolder folder;
    const std::string dotPath = folder.File("program.dot");
    const std::string svgPath = folder.File("program.svg");
    const std::string complaintsPath = folder.File("complaints");
    WriteBytes(dotPath, graph.out);
    const int status
        = std::system(("dot -Tsvg '" + dotPath + "' >'" + svgPath + "' 2>'" + complaintsPath + "'").c_str());
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 127)
        << "Graphviz's dot is missing: scripts/install-deps.sh installs it";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(ReadBytes(complaintsPath), "");
    const std::string svg = ReadBytes(svgPath);
    for (const char* text :
         {"掛け算", "1: / ", "5: J(1,2,.2)", "R(1) = R(2)", "end (line 99)", "S(1)␁␇␟␡", "R(300) does not exist"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    }
    // Control characters would make the picture unreadable to XML parsers.
    const int parsed = std::system(("xmllint --noout '" + svgPath + "' 2>'" + complaintsPath + "'").c_str());
    ASSERT_TRUE(WIFEXITED(parsed) && WEXITSTATUS(parsed) != 127)
        << "xmllint is missing: scripts/install-deps.sh installs it";
    EXPECT_EQ(WEXITSTATUS(parsed), 0) << ReadBytes(complaintsPath);
}

TEST(Executable, PrintsItsVersion)
{
    const ProcessResult result = RunExecutable("--version");
    EXPECT_EQ(result.out.rfind("tessivar ", 0), 0u) << result.out;
    EXPECT_GT(result.out.size(), std::string("tessivar \n").size());
}

} // namespace
} // namespace tessivar::test
