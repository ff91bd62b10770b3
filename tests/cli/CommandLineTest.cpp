#include "CommandLineOptions.h"
#include "CommandLineRun.h"
#include "ExitCode.h"
#include "Machine.h"
#include "Phrase.h"
#include "ProgramFileFixture.h"
#include "ProgramGraph.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar::test {
namespace {

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// The message the machine itself gives for the first failing step or Set.
std::string MachineMessage(const TextLines& program, TextLines registers)
{
    Machine machine;
    if (const SetOutcome set = machine.Set(registers, program); set.error) {
        return Say(Language::English, set.error->message);
    }
    while (machine.CanContinue()) {
        if (const StepOutcome step = machine.ExecuteStep(); step.error) {
            return Say(Language::English, step.error->message);
        }
    }
    return "";
}

TEST(CommandLine, SampleProgramEndsWithTwoInTheFirstRegister)
{
    const TemporaryProgramFile program(kSampleProgramFile);
    const CommandLineResult result = RunTessivar({"--run", program.Path(), "3"});
    EXPECT_EQ(result.exitCode, kExitEnded);
    EXPECT_EQ(result.out, "2\n2\n3\n");
    EXPECT_TRUE(Contains(result.err, "Step:  11")) << result.err;
    EXPECT_TRUE(Contains(result.err, "program ended")) << result.err;
}

TEST(CommandLine, LineBudgetStopsTheRunAndPrintsTheRegistersSoFar)
{
    const TemporaryProgramFile program(kSampleProgramFile);
    const CommandLineResult result = RunTessivar({"--run", program.Path(), "--max-steps", "5", "3"});
    EXPECT_EQ(result.exitCode, kExitNotEnded);
    EXPECT_EQ(result.out, "3\n1\n2\n");
    EXPECT_TRUE(Contains(result.err, "Step:   5")) << result.err;
    EXPECT_TRUE(Contains(result.err, "not ended")) << result.err;
}

// Counts past 2^63 - 1 are printed whole, and --max-steps takes them.
TEST(CommandLine, CountsAndBudgetsPastSixtyThreeBits)
{
    const TemporaryProgramFile overflow("S(1)\nS(1)\nJ(3,3,1)\n");
    const CommandLineResult failed = RunTessivar({"--run", overflow.Path(), "1"});
    EXPECT_EQ(failed.exitCode, kExitStepFailed);
    EXPECT_EQ(failed.out, "9223372036854775807\n");
    EXPECT_TRUE(Contains(failed.err, "Step:13835058055282163709  program not ended: a step cannot be carried out"))
        << failed.err;

    const TemporaryProgramFile forEver("J(1,1,1)\n");
    const CommandLineResult stopped = RunTessivar({"--run", forEver.Path(), "--max-steps", "18446744073709551616"});
    EXPECT_EQ(stopped.exitCode, kExitNotEnded);
    EXPECT_EQ(stopped.err,
              "Step:18446744073709551616  program not ended: stopped after 18446744073709551616 lines (--max-steps)\n");
}

TEST(CommandLine, ProgramEndingWithinTheBudgetEnds)
{
    const TemporaryProgramFile program(kSampleProgramFile);
    const CommandLineResult result = RunTessivar({"--run", program.Path(), "3", "--max-steps=13"});
    EXPECT_EQ(result.exitCode, kExitEnded);
    EXPECT_EQ(result.out, "2\n2\n3\n");
}

TEST(CommandLine, RegisterAboveTopFailsWithTheMachinesMessage)
{
    const TemporaryProgramFile program("S(1)\nS(300)\nS(2)\n");
    const CommandLineResult result = RunTessivar({"--run", program.Path(), "-3"});
    EXPECT_EQ(result.exitCode, kExitStepFailed);
    EXPECT_EQ(result.out, "-2\n");
    const std::string message = MachineMessage({"S(1)", "S(300)"}, {"-3"});
    ASSERT_FALSE(message.empty());
    EXPECT_TRUE(Contains(result.err, message)) << result.err;
    EXPECT_TRUE(Contains(result.err, "Step:   1")) << result.err;
}

TEST(CommandLine, ValuesAreLoadedAsTheRegisterEditorLoadsThem)
{
    const TemporaryProgramFile program("/ nothing to do\r\n");
    const CommandLineResult result = RunTessivar({"--run", program.Path(), "+7", "$10", "-0x2", "007"});
    EXPECT_EQ(result.exitCode, kExitEnded);
    EXPECT_EQ(result.out, "7\n16\n-2\n7\n");
    EXPECT_TRUE(Contains(result.err, "Step:   0")) << result.err;
}

TEST(CommandLine, ReadsUtf8FilesWithMarkAndBareLineFeeds)
{
    const TemporaryProgramFile program("\xEF\xBB\xBF/ 足し算\nS(2)\nS(2)\n");
    const CommandLineResult result = RunTessivar({"--run", program.Path()});
    EXPECT_EQ(result.exitCode, kExitEnded);
    EXPECT_EQ(result.out, "0\n2\n");
}

TEST(CommandLine, ValuesSetRefusesAreUsageErrors)
{
    const TemporaryProgramFile program("S(1)");
    const std::vector<std::string> tooLarge{"9223372036854775609"};
    const std::vector<std::string> tooMany(257, "1");
    for (const std::vector<std::string>& values : {tooLarge, tooMany}) {
        SCOPED_TRACE(values.size());
        std::vector<std::string> args{"--run", program.Path()};
        args.insert(args.end(), values.begin(), values.end());
        const CommandLineResult result = RunTessivar(args);
        EXPECT_EQ(result.exitCode, kExitUsage);
        EXPECT_EQ(result.out, "");
        const std::string message = MachineMessage({"S(1)"}, values);
        ASSERT_FALSE(message.empty());
        EXPECT_TRUE(Contains(result.err, message)) << result.err;
    }
}

TEST(CommandLine, UsageErrorsExitWithTwoAndPrintNothing)
{
    const TemporaryProgramFile program("S(1)");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{"--run", program.Path(), "seven"}, "'seven'"},
        {{"--run", program.Path(), "--speed"}, "'--speed'"},
        {{"--run", program.Path(), "--max-steps"}, "--max-steps"},
        {{"3"}, "--run"},
    };
    for (const auto& [args, messagePart] : cases) {
        SCOPED_TRACE(messagePart);
        const CommandLineResult result = RunTessivar(args);
        EXPECT_EQ(result.exitCode, kExitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_TRUE(Contains(result.err, messagePart)) << result.err;
        EXPECT_TRUE(Contains(result.err, "--help")) << result.err;
    }
}

TEST(CommandLine, MissingFileIsReportedWithItsPath)
{
    const std::string path = MissingFilePath();
    const CommandLineResult result = RunTessivar({"--run", path, "1"});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(Contains(result.err, path)) << result.err;
}

TEST(CommandLine, NoArgumentsPrintsTheUsage)
{
    const CommandLineResult result = RunTessivar({});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(Contains(result.err, "Usage: tessivar --run PROGRAM")) << result.err;
}

TEST(CommandLine, RunsWithAndWithoutAccelerationAlike)
{
    const TemporaryProgramFile program("J(1,3,12)\nJ(2,3,11)\nT(1,3)\nS(5)\nJ(2,5,11)\nZ(4)\nS(3)\nS(4)\nJ(1,4,4)\n"
                                       "J(1,1,7)\nT(3,1)\nZ(2)\nZ(3)\nZ(4)\nZ(5)");
    for (const std::string budget : {"100", "100000", "18446744073709551615"}) {
        SCOPED_TRACE(budget);
        const std::vector<std::string> args{"--run", program.Path(), "300", "400", "--max-steps", budget};
        std::vector<std::string> lineByLineArgs = args;
        lineByLineArgs.push_back("--no-acceleration");
        const CommandLineResult accelerated = RunTessivar(args);
        const CommandLineResult lineByLine = RunTessivar(lineByLineArgs);
        EXPECT_EQ(accelerated.exitCode, lineByLine.exitCode);
        EXPECT_EQ(accelerated.out, lineByLine.out);
        EXPECT_EQ(accelerated.err, lineByLine.err);
    }
    EXPECT_EQ(RunTessivar({"--run", program.Path(), "300", "400"}).out, "120000\n0\n0\n0\n0\n");
}

TEST(CommandLine, GraphGoesToStandardOutput)
{
    const TemporaryProgramFile program("S(1)\r\nJ(1,2,1)\r\n");
    const CommandLineResult result = RunTessivar({"--graph", program.Path()});
    EXPECT_EQ(result.exitCode, kExitEnded);
    EXPECT_EQ(result.out, ProgramGraphDot({"S(1)", "J(1,2,1)"}, Language::English));
    EXPECT_EQ(result.err, "");
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput)
{
    const CommandLineResult help = RunTessivar({"--help"});
    EXPECT_EQ(help.exitCode, kExitEnded);
    EXPECT_TRUE(Contains(help.out, "Usage: tessivar --run PROGRAM")) << help.out;
    EXPECT_TRUE(Contains(help.out, "--max-steps N")) << help.out;
    EXPECT_TRUE(Contains(help.out, "--no-acceleration")) << help.out;
    EXPECT_TRUE(Contains(help.out, "tessivar --graph prog.urm | dot -Tsvg > prog.svg")) << help.out;
    EXPECT_TRUE(Contains(help.out, "tessivar --check CASES PROGRAM...")) << help.out;
    EXPECT_TRUE(Contains(help.out, "(default " + DecimalText(kDefaultCheckSteps) + " per case")) << help.out;
    EXPECT_EQ(help.err, "");

    const CommandLineResult version = RunTessivar({"--version"});
    EXPECT_EQ(version.exitCode, kExitEnded);
    EXPECT_EQ(version.out, "tessivar 9.8.7\n");
    EXPECT_EQ(version.err, "");
}

} // namespace
} // namespace tessivar::test
