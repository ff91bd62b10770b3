#include "StepTrace.h"
#include "CommandLine.h"
#include "ExitCode.h"
#include "ProgramFileFixture.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tessivar::test {
namespace {

int RunTessivar(const std::vector<std::string>& args, std::ostringstream& out)
{
    std::ostringstream err;
    return RunCommandLine(args, "1", Language::English, out, err);
}

constexpr const char* Header = "step\tline\tinstruction\tregister\tvalue\tjump to\n";

// Every kind of line: S, Z, T, a jump taken and one not, a comment, a no-op.
TEST(StepTrace, WritesALinePerExecutedLineWithWhatItChanged)
{
    const TextLines program{"S(1)", "T(1,2)", "J(1,3,5)", "J(1,2,5)", "Z(2)", "/ note\tend", "S(0)"};
    Machine machine;
    TextLines registers{"4"};
    ASSERT_FALSE(machine.Set(registers, program).error);
    std::ostringstream trace;
    const RunOutcome run = RunTraced(machine, program, std::nullopt, trace);
    EXPECT_EQ(trace.str(),
              std::string(Header)
                  + "1\t1\tS(1)\tR(1)\t5\t\n"
                    "2\t2\tT(1,2)\tR(2)\t5\t\n"
                    "3\t3\tJ(1,3,5)\t\t\t\n"
                    "4\t4\tJ(1,2,5)\t\t\t5\n"
                    "5\t5\tZ(2)\tR(2)\t0\t\n"
                    "5\t6\t/ note end\t\t\t\n"
                    "6\t7\tS(0)\t\t\t\n");
    EXPECT_EQ(run.stop, RunOutcome::Stop::Ended);
    EXPECT_EQ(run.executedLines, 7u);
    EXPECT_TRUE(run.written[0] && run.written[1] && !run.written[2]);
}

// The step column counts on past 2^63 - 1, as the machine does.
TEST(StepTrace, CountsStepsPastSixtyThreeBits)
{
    const TextLines program{"S(1)", "/ note", "S(1)", "S(1)"};
    Machine machine;
    TextLines registers;
    ASSERT_FALSE(machine.Set(registers, program).error);
    machine.stepCount = (StepCount{1} << 63) - 2;
    std::ostringstream trace;
    RunTraced(machine, program, std::nullopt, trace);
    EXPECT_EQ(trace.str(),
              std::string(Header)
                  + "9223372036854775807\t1\tS(1)\tR(1)\t1\t\n"
                    "9223372036854775807\t2\t/ note\t\t\t\n"
                    "9223372036854775808\t3\tS(1)\tR(1)\t2\t\n"
                    "9223372036854775809\t4\tS(1)\tR(1)\t3\t\n");
}

// The trace and the registers come from the same run: with a budget the trace
// stops where the run stops, and the registers follow it on standard output.
TEST(StepTrace, TraceToStandardOutputStopsWithTheBudgetBeforeTheRegisters)
{
    const TemporaryProgramFile program("S(1)\r\nJ(1,1,1)");
    std::ostringstream out;
    const int exitCode = RunTessivar({"--run", program.Path(), "7", "--trace", "-", "--max-steps", "3"}, out);
    EXPECT_EQ(exitCode, kExitNotEnded);
    EXPECT_EQ(out.str(),
              std::string(Header)
                  + "1\t1\tS(1)\tR(1)\t8\t\n"
                    "2\t2\tJ(1,1,1)\t\t\t1\n"
                    "3\t1\tS(1)\tR(1)\t9\t\n"
                    "9\n");
}

TEST(StepTrace, TraceToAFileAndAStepThatFails)
{
    const TemporaryFolder folder;
    const TemporaryProgramFile program("S(1)\r\nS(300)");
    const std::string tracePath = folder.File("trace.tsv");
    std::ostringstream out;
    const int exitCode = RunTessivar({"--run", program.Path(), "--trace", tracePath}, out);
    EXPECT_EQ(exitCode, kExitStepFailed);
    EXPECT_EQ(ReadBytes(tracePath), std::string(Header) + "1\t1\tS(1)\tR(1)\t1\t\n");
    EXPECT_EQ(out.str(), "1\n");
    const int unwritable = RunTessivar({"--run", program.Path(), "--trace", folder.File("no/such/folder")}, out);
    EXPECT_EQ(unwritable, kExitUsage);
}

// A line's text goes to a terminal with --trace -: an escape sequence in a
// comment must not reach it, nor may a C1 control or a stray byte.
TEST(StepTrace, ControlCharactersInALineAreShownNotSent)
{
    const TextLines program{"/ \x1b[2J\x1b]0;title\x07 bell",
                            "/ \xc2\x9b"
                            "31m\x7f \xff\tend"};
    Machine machine;
    TextLines registers;
    ASSERT_FALSE(machine.Set(registers, program).error);
    std::ostringstream trace;
    RunTraced(machine, program, std::nullopt, trace);
    EXPECT_EQ(trace.str(),
              std::string(Header)
                  + "0\t1\t/ \u241b[2J\u241b]0;title\u2407 bell\t\t\t\n"
                    "0\t2\t/ \uFFFD31m\u2421 \uFFFD end\t\t\t\n");
}

} // namespace
} // namespace tessivar::test
