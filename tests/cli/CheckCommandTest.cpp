#include "CommandLineRun.h"
#include "CommandOutput.h"
#include "ExitCode.h"
#include "MachineError.h"
#include "Phrase.h"
#include "ProgramFile.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar::test {
namespace {

// R(1) := R(1) + R(2), leaving R(3) = R(2).
constexpr std::string_view kSum = "J(2,3,0)\nS(1)\nS(3)\nJ(1,1,1)\n";
// The same, but one too many when R(2) is 0.
constexpr std::string_view kSumWrongForZero = "J(2,3,6)\nS(1)\nS(3)\nJ(2,3,0)\nJ(1,1,2)\nS(1)\n";
constexpr std::string_view kForever = "S(1)\nJ(1,1,1)\n";
constexpr std::string_view kFailsAStep = "S(1)\r\nS(300)\r\n";
// Rotates R(1) to R(5) for ever: no summary shortens it, so it takes its whole budget.
constexpr std::string_view kSlowForever = "T(1,6)\nT(2,1)\nT(3,2)\nT(4,3)\nT(5,4)\nT(6,5)\nS(7)\nJ(1,1,1)\n";

constexpr std::string_view kSumCases = "# R1 := R1 + R2\n3 4 -> R1=7\n0 0 -> R1=0   # nothing to add\n5 -> R1=5 R3=0\n";

std::string WithoutLineEnd(std::string text)
{
    if (text.ends_with('\n')) {
        text.pop_back();
    }
    return text;
}

// What xmllint makes of `xpath` on the file, or of well-formedness when `xpath` is empty.
std::string XmlLint(const std::string& xmlPath, const std::string& xpath = "")
{
    const std::string command
        = "xmllint --noout " + (xpath.empty() ? "" : "--xpath '" + xpath + "' ") + "'" + xmlPath + "' 2>&1";
    return WithoutLineEnd(CommandOutput(command));
}

class CheckCommand : public ::testing::Test {
protected:
    std::string Write(std::string_view name, std::string_view bytes) const
    {
        const std::string path = folder_.File(name);
        WriteBytes(path, bytes);
        return path;
    }

    CommandLineResult Check(std::string_view cases, const std::vector<std::string>& programs,
                            const std::vector<std::string>& options = {}) const
    {
        std::vector<std::string> args{"--check", Write("cases.txt", cases)};
        args.insert(args.end(), programs.begin(), programs.end());
        args.insert(args.end(), options.begin(), options.end());
        return RunTessivar(args);
    }

    // The five kinds of program a class hands in, in this order: right, wrong
    // for one input, never halting, failing a step, and missing.
    std::vector<std::string> EveryKindOfProgram(const std::string& suffix = "") const
    {
        return {Write("sum" + suffix + ".urm", kSum), Write("wrong" + suffix + ".urm", kSumWrongForZero),
                Write("forever" + suffix + ".urm", kForever), Write("fails" + suffix + ".urm", kFailsAStep),
                folder_.File("missing" + suffix + ".urm")};
    }

    TemporaryFolder folder_;
};

TEST_F(CheckCommand, ReportsEveryProgramAndCaseInTheOrderGiven)
{
    const std::vector<std::string> programs = EveryKindOfProgram();
    const CommandLineResult result = Check(kSumCases, programs);
    const std::string stepFailure
        = "FAIL: a step cannot be carried out: " + Say(Language::English, RegisterNumberError(2, 300).message);
    const std::string unreadable = Say(Language::English, ReadProgramFile(programs[4]).error.value().message);
    EXPECT_EQ(result.out,
              programs[0] + ": case line 2: PASS\n" //
                  + programs[0] + ": case line 3: PASS\n" //
                  + programs[0] + ": case line 4: PASS\n" //
                  + programs[1] + ": case line 2: PASS\n" //
                  + programs[1] + ": case line 3: FAIL: expected R1=0, got R1=1\n" + programs[1]
                  + ": case line 4: FAIL: expected R1=5 R3=0, got R1=6 R3=0\n" + programs[2]
                  + ": case line 2: FAIL: did not halt within 100000000 steps\n" + programs[2]
                  + ": case line 3: FAIL: did not halt within 100000000 steps\n" + programs[2]
                  + ": case line 4: FAIL: did not halt within 100000000 steps\n" + programs[3]
                  + ": case line 2: " + stepFailure + "\n" //
                  + programs[3] + ": case line 3: " + stepFailure + "\n" //
                  + programs[3] + ": case line 4: " + stepFailure + "\n" //
                  + programs[4] + ": cannot be read: " + unreadable + "\n" //
                  + "4 passed, 11 failed\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.exitCode, kExitUsage);
}

TEST_F(CheckCommand, ExitStatusSaysWhetherEveryCaseOfEveryProgramPassed)
{
    const std::vector<std::string> programs = EveryKindOfProgram();
    const std::vector<std::pair<std::vector<std::string>, int>> cases{
        {{programs[0]}, kExitAllPassed},
        {{programs[0], programs[0]}, kExitAllPassed},
        {{programs[0], programs[1]}, kExitSomeFailed},
        {{programs[2]}, kExitSomeFailed},
        {{programs[3], programs[0]}, kExitSomeFailed},
        {{programs[0], programs[4]}, kExitUsage},
    };
    for (const auto& [checked, exitCode] : cases) {
        SCOPED_TRACE(checked.back());
        const CommandLineResult result = Check(kSumCases, checked);
        EXPECT_EQ(result.exitCode, exitCode);
        EXPECT_NE(result.out.find(" passed, "), std::string::npos) << result.out;
    }
}

// Three lines, the comment among them, and the budget is each case's own.
TEST_F(CheckCommand, BudgetCountsEveryLineOfEachCase)
{
    const std::string program = Write("two.urm", "S(2)\n/ and again\nS(2)\n");
    const std::string cases = "-> R2=2\n1 -> R2=2\n";
    EXPECT_EQ(Check(cases, {program}, {"--max-steps", "3"}).out,
              program + ": case line 1: PASS\n" + program + ": case line 2: PASS\n2 passed, 0 failed\n");
    EXPECT_EQ(Check(cases, {program}, {"--max-steps=2"}).out,
              program + ": case line 1: FAIL: did not halt within 2 steps\n" + program
                  + ": case line 2: FAIL: did not halt within 2 steps\n0 passed, 2 failed\n");
}

// Counting R(1) up to n takes 3n + 1 lines.
TEST_F(CheckCommand, DefaultBudgetIsAHundredMillionLines)
{
    const std::string program = Write("count.urm", "J(1,2,0)\nS(1)\nJ(1,1,1)\n");
    const CommandLineResult result
        = Check("0 33333333 -> R1=33333333\n0 33333334 -> R1=33333334\n", {program}, {"--jobs", "1"});
    EXPECT_EQ(result.out,
              program + ": case line 1: PASS\n" + program
                  + ": case line 2: FAIL: did not halt within 100000000 steps\n1 passed, 1 failed\n");
}

TEST_F(CheckCommand, UnusableCasesStopBeforeAnyProgramRuns)
{
    const std::string program = Write("sum.urm", kSum);
    const std::string casesPath = folder_.File("cases.txt");
    const std::vector<std::pair<std::string, std::string>> cases{
        {"1 -> R1=1\n\n2 -> R1=2 -> R2=2\n", "tessivar: " + casesPath + ":3: more than one '->'\n"},
        {"# to do\n", "tessivar: " + casesPath + ": no case in the file\n"},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(text);
        const CommandLineResult result = Check(text, {program});
        EXPECT_EQ(result.exitCode, kExitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err, message);
    }

    const std::string missing = folder_.File("no-cases.txt");
    const CommandLineResult result = RunTessivar({"--check", missing, program});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "tessivar: cannot read the cases " + missing + ": No such file or directory\n");
}

TEST_F(CheckCommand, JUnitReportReadsBackWithItsCounts)
{
    const std::string junit = folder_.File("report.xml");
    // Characters XML must escape, a tab and a byte that is no UTF-8.
    const std::string oddPath = Write("a&<b>\"q'\t\xFF.urm", kSum);
    std::vector<std::string> programs = EveryKindOfProgram();
    programs.push_back(oddPath);
    const CommandLineResult result = Check(kSumCases, programs, {"--junit", junit});
    ASSERT_EQ(result.exitCode, kExitUsage) << result.err;

    ASSERT_EQ(XmlLint(junit), "");
    EXPECT_EQ(XmlLint(junit, "string(/testsuites/@tests)"), "18");
    EXPECT_EQ(XmlLint(junit, "string(/testsuites/@failures)"), "8");
    EXPECT_EQ(XmlLint(junit, "string(/testsuites/@errors)"), "3");
    EXPECT_EQ(XmlLint(junit, "count(/testsuites/testsuite)"), "6");
    EXPECT_EQ(XmlLint(junit, "count(//testcase)"), "18");
    EXPECT_EQ(XmlLint(junit, "count(//testcase/failure)"), "8");
    EXPECT_EQ(XmlLint(junit, "count(//testcase/error)"), "3");

    const std::vector<std::pair<std::string, std::string>> suites{
        {"1", "tests=3 failures=0 errors=0"}, {"2", "tests=3 failures=2 errors=0"},
        {"3", "tests=3 failures=3 errors=0"}, {"4", "tests=3 failures=3 errors=0"},
        {"5", "tests=3 failures=0 errors=3"}, {"6", "tests=3 failures=0 errors=0"},
    };
    for (const auto& [index, counts] : suites) {
        SCOPED_TRACE(index);
        const std::string suite = "/testsuites/testsuite[" + index + "]";
        EXPECT_EQ(XmlLint(junit,
                          "concat(\"tests=\", " + suite + "/@tests, \" failures=\", " + suite
                              + "/@failures, \" errors=\", " + suite + "/@errors)"),
                  counts);
        EXPECT_EQ(XmlLint(junit, "string(" + suite + "/@name)"),
                  index == "6" ? folder_.File("a&<b>\"q'\t\uFFFD.urm") : programs[std::stoul(index) - 1]);
    }
    EXPECT_EQ(XmlLint(junit, "string(/testsuites/testsuite[2]/testcase[2]/@name)"), "line 3: 0 0 -> R1=0");
    EXPECT_EQ(XmlLint(junit, "string(/testsuites/testsuite[2]/testcase[2]/failure/@message)"),
              "expected R1=0, got R1=1");
    EXPECT_EQ(XmlLint(junit, "string(/testsuites/testsuite[3]/testcase[1]/failure/@message)"),
              "did not halt within 100000000 steps");
    EXPECT_EQ(XmlLint(junit, "string(/testsuites/testsuite[5]/testcase[1]/error/@message)"),
              "cannot be read: " + Say(Language::English, ReadProgramFile(programs[4]).error.value().message));
}

TEST_F(CheckCommand, CsvTableHasARowPerProgramAndAColumnPerCase)
{
    const std::string csv = folder_.File("table.csv");
    std::vector<std::string> programs = EveryKindOfProgram();
    programs.push_back(Write("smith, \"jo\".urm", kSum));
    programs.push_back(Write("two\r\nlines \xFF.urm", kSum));
    const CommandLineResult result = Check(kSumCases, programs, {"--csv=" + csv});
    ASSERT_EQ(result.exitCode, kExitUsage) << result.err;
    EXPECT_EQ(ReadBytes(csv),
              "program,line 2,line 3,line 4,passed,failed\r\n" //
                  + programs[0] + ",PASS,PASS,PASS,3,0\r\n" //
                  + programs[1] + ",PASS,FAIL,FAIL,1,2\r\n" //
                  + programs[2] + ",FAIL,FAIL,FAIL,0,3\r\n" //
                  + programs[3] + ",FAIL,FAIL,FAIL,0,3\r\n" //
                  + programs[4] + ",FAIL,FAIL,FAIL,0,3\r\n" //
                  + "\"" + folder_.File("smith, \"\"jo\"\".urm") + "\",PASS,PASS,PASS,3,0\r\n" //
                  + "\"" + folder_.File("two\r\nlines \uFFFD.urm") + "\",PASS,PASS,PASS,3,0\r\n");
}

// A line per case holds whatever a path holds: one that a line cannot show as
// it is comes in double quotes with C's escapes; any other as it is.
TEST_F(CheckCommand, PathsThatALineCannotHoldAreQuoted)
{
    const std::vector<std::string> programs{Write("plain name.urm", kSum), Write("two\nlines.urm", kSum),
                                            Write("\x1b[31mred\xFF \\ \".urm", kSum), folder_.File("gone\nfile.urm")};
    const CommandLineResult result = Check("3 4 -> R1=7\n", programs);
    const std::string folder = folder_.File("");
    const std::string gone = "\"" + folder + "gone\\nfile.urm\": cannot be read: ";
    const std::string out = result.out;
    EXPECT_EQ(out.substr(0, out.find(gone)),
              folder + "plain name.urm: case line 1: PASS\n" //
                  + "\"" + folder + "two\\nlines.urm\": case line 1: PASS\n" //
                  + "\"" + folder + "\\x1B[31mred\\xFF \\\\ \\\".urm\": case line 1: PASS\n");
    ASSERT_NE(out.find(gone), std::string::npos) << out;
    // The reason names the path too, with its line break shown.
    const std::string reason = out.substr(out.find(gone) + gone.size());
    EXPECT_EQ(reason.substr(reason.find('\n')), "\n3 passed, 1 failed\n");
    EXPECT_NE(reason.find("gone\u240Afile.urm"), std::string::npos) << reason;
}

TEST_F(CheckCommand, ReportThatCannotBeWrittenMakesTheInputUnusable)
{
    const std::string nowhere = folder_.File("missing-folder/report.xml");
    const CommandLineResult result = Check(kSumCases, {Write("sum.urm", kSum)}, {"--junit", nowhere});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_EQ(result.err, "tessivar: cannot write the JUnit report to " + nowhere + ": No such file or directory\n");
    EXPECT_NE(result.out.find("3 passed, 0 failed"), std::string::npos) << result.out;
}

// The slow program comes first, so that with several jobs the later ones are
// done before it.
TEST_F(CheckCommand, JobsDoNotChangeTheResultsOrTheirOrder)
{
    std::vector<std::string> programs{Write("slow.urm", kSlowForever)};
    for (int round = 0; round < 5; ++round) {
        const std::vector<std::string> more = EveryKindOfProgram(std::to_string(round));
        programs.insert(programs.end(), more.begin(), more.end());
    }
    struct Reports {
        CommandLineResult result;
        std::string junit;
        std::string csv;
    };
    const auto checkWith = [&](const std::vector<std::string>& jobs) {
        const std::string junit = folder_.File("report.xml");
        const std::string csv = folder_.File("table.csv");
        std::vector<std::string> options{"--max-steps", "20000000", "--junit", junit, "--csv", csv};
        options.insert(options.end(), jobs.begin(), jobs.end());
        const CommandLineResult result = Check(kSumCases, programs, options);
        return Reports{result, ReadBytes(junit), ReadBytes(csv)};
    };
    const Reports oneJob = checkWith({"--jobs", "1"});
    ASSERT_EQ(oneJob.result.exitCode, kExitUsage);
    for (const std::vector<std::string>& jobs : {std::vector<std::string>{"--jobs", "3"}, std::vector<std::string>{}}) {
        SCOPED_TRACE(jobs.size());
        const Reports reports = checkWith(jobs);
        EXPECT_EQ(reports.result.exitCode, oneJob.result.exitCode);
        EXPECT_EQ(reports.result.out, oneJob.result.out);
        EXPECT_EQ(reports.result.err, oneJob.result.err);
        EXPECT_EQ(reports.junit, oneJob.junit);
        EXPECT_EQ(reports.csv, oneJob.csv);
    }
}

} // namespace
} // namespace tessivar::test
