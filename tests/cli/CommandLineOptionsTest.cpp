#include "CommandLineOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessivar::test {
namespace {

using Args = std::vector<std::string>;

struct AcceptedCase {
    std::string name;
    Args args;
    RunRequest expected;
};

class AcceptedRunArguments : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(AcceptedRunArguments, GiveTheRunRequest)
{
    const AcceptedCase& test = GetParam();
    const auto parsed = ParseCommandLine(test.args, Language::English);
    ASSERT_TRUE(std::holds_alternative<CommandLineOptions>(parsed)) << std::get<UsageError>(parsed).message;
    const CommandLineOptions& options = std::get<CommandLineOptions>(parsed);
    EXPECT_EQ(options.action, CommandLineOptions::Action::Run);
    EXPECT_EQ(options.run.programPath, test.expected.programPath);
    EXPECT_EQ(options.run.values, test.expected.values);
    EXPECT_EQ(options.run.maxLines, test.expected.maxLines);
    EXPECT_EQ(options.run.acceleration, test.expected.acceleration);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, AcceptedRunArguments,
    ::testing::Values(
        AcceptedCase{"ProgramOnly", {"--run", "p.urm"}, {"p.urm", {}, std::nullopt}},
        AcceptedCase{"Values", {"--run", "p.urm", "3", "+4", "$1F", "0x10"}, {"p.urm", {"3", "+4", "$1F", "0x10"}}},
        AcceptedCase{
            "NegativeValuesAreNotOptions", {"--run", "p", "-3", "-0x10", "-$a"}, {"p", {"-3", "-0x10", "-$a"}}},
        AcceptedCase{"LeadingBlanksAsInTheEditor", {"--run", "p", "  7"}, {"p", {"  7"}}},
        AcceptedCase{"MaxStepsAfterValues", {"--run", "p", "1", "2", "--max-steps", "5"}, {"p", {"1", "2"}, 5}},
        AcceptedCase{"MaxStepsBetweenValues", {"--run", "p", "1", "--max-steps=0", "2"}, {"p", {"1", "2"}, 0}},
        AcceptedCase{"MaxStepsFirst",
                     {"--max-steps", "18446744073709551615", "--run", "p"},
                     {"p", {}, StepCount{18446744073709551615u}}},
        AcceptedCase{"MaxStepsBeyond64Bits",
                     {"--run", "p", "--max-steps", "170141183460469231731687303715884105727"},
                     {"p", {}, kLargestStepCount}},
        AcceptedCase{"DoubleDashEndsOptions", {"--run", "p", "--", "-3", "-1"}, {"p", {"-3", "-1"}}},
        AcceptedCase{"ProgramPathWithDash", {"--run", "-odd.urm", "1"}, {"-odd.urm", {"1"}}},
        AcceptedCase{"LastMaxStepsWins", {"--run", "p", "--max-steps", "4", "--max-steps", "9"}, {"p", {}, 9}},
        AcceptedCase{"NoAcceleration",
                     {"--no-acceleration", "--run", "p", "1"},
                     {"p", {"1"}, std::nullopt, LoopAcceleration::Off}}),
    [](const auto& test) { return test.param.name; });

struct RejectedCase {
    std::string name;
    Args args;
    std::string messagePart;
};

class RejectedArguments : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(RejectedArguments, GiveAUsageErrorNamingTheProblem)
{
    const RejectedCase& test = GetParam();
    const auto parsed = ParseCommandLine(test.args, Language::English);
    ASSERT_TRUE(std::holds_alternative<UsageError>(parsed));
    EXPECT_NE(std::get<UsageError>(parsed).message.find(test.messagePart), std::string::npos)
        << std::get<UsageError>(parsed).message;
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, RejectedArguments,
    ::testing::Values(
        RejectedCase{"NoProgram", {"3"}, "--run"}, RejectedCase{"RunWithoutPath", {"--run"}, "--run needs an argument"},
        RejectedCase{"RunTwice", {"--run", "a", "--run", "b"}, "twice"},
        RejectedCase{"UnreadableValue", {"--run", "p", "abc"}, "'abc'"},
        RejectedCase{"EmptyValue", {"--run", "p", ""}, "''"},
        RejectedCase{"TrailingBlankValue", {"--run", "p", "7 "}, "'7 '"},
        RejectedCase{"DecimalValueTooLarge", {"--run", "p", "9223372036854775808"}, "'9223372036854775808'"},
        RejectedCase{"UnknownOption", {"--run", "p", "--fast"}, "unknown option '--fast'"},
        RejectedCase{"LoneDash", {"--run", "p", "-"}, "'-'"},
        RejectedCase{"InvalidValueAfterDoubleDash", {"--run", "p", "--", "--help"}, "'--help'"},
        RejectedCase{"MaxStepsMissing", {"--run", "p", "--max-steps"}, "--max-steps needs an argument"},
        RejectedCase{"MaxStepsNegative", {"--run", "p", "--max-steps", "-1"}, "'-1'"},
        RejectedCase{"MaxStepsNotANumber", {"--run", "p", "--max-steps=ten"}, "'ten'"},
        RejectedCase{"MaxStepsEmpty", {"--run", "p", "--max-steps="}, "''"},
        RejectedCase{"MaxStepsTooLarge",
                     {"--run", "p", "--max-steps", "170141183460469231731687303715884105728"},
                     "170141183460469231731687303715884105728"},
        RejectedCase{"GraphWithoutPath", {"--graph"}, "--graph needs an argument"},
        RejectedCase{"GraphAndRun", {"--graph", "a", "--run", "b"}, "twice"},
        RejectedCase{"GraphWithValues", {"--graph", "a", "3"}, "--graph takes only the program"},
        RejectedCase{"GraphWithMaxSteps", {"--max-steps", "3", "--graph", "a"}, "--graph takes only the program"},
        RejectedCase{
            "GraphWithoutAcceleration", {"--graph", "a", "--no-acceleration"}, "--graph takes only the program"},
        RejectedCase{"NoAccelerationAfterDoubleDash", {"--run", "p", "--", "--no-acceleration"}, "'--no-acceleration'"},
        RejectedCase{"NoAccelerationWithArgument", {"--run", "p", "--no-acceleration=1"}, "takes no argument"},
        RejectedCase{"CheckWithoutCases", {"--check"}, "--check needs an argument"},
        RejectedCase{"CheckWithoutPrograms", {"--check", "c"}, "--check needs at least one PROGRAM"},
        RejectedCase{"CheckAndRun", {"--check", "c", "a", "--run", "b"}, "twice"},
        RejectedCase{"CheckWithTrace", {"--check", "c", "a", "--trace", "t"}, "--trace does not go with --check"},
        RejectedCase{"CheckWithoutAcceleration",
                     {"--no-acceleration", "--check", "c", "a"},
                     "--no-acceleration does not go with --check"},
        RejectedCase{"JUnitWithRun", {"--run", "p", "--junit", "r.xml"}, "--junit goes with --check only"},
        RejectedCase{"JobsWithRun", {"--jobs", "2", "--run", "p"}, "--jobs goes with --check only"},
        RejectedCase{"GraphWithCsv", {"--graph", "p", "--csv", "t.csv"}, "--graph takes only the program"},
        RejectedCase{
            "JobsZero", {"--check", "c", "a", "--jobs", "0"}, "--jobs needs a whole number of 1 or more, not '0'"},
        RejectedCase{"JobsNegative", {"--check", "c", "a", "--jobs=-2"}, "not '-2'"},
        RejectedCase{"JobsBeyondUnsigned", {"--check", "c", "a", "--jobs", "4294967296"}, "not '4294967296'"},
        RejectedCase{"JUnitWithoutFile", {"--check", "c", "a", "--junit"}, "--junit needs an argument"}),
    [](const auto& test) { return test.param.name; });

struct AcceptedCheckCase {
    std::string name;
    Args args;
    CheckRequest expected;
};

class AcceptedCheckArguments : public ::testing::TestWithParam<AcceptedCheckCase> {};

TEST_P(AcceptedCheckArguments, GiveTheCheckRequest)
{
    const AcceptedCheckCase& test = GetParam();
    const auto parsed = ParseCommandLine(test.args, Language::English);
    ASSERT_TRUE(std::holds_alternative<CommandLineOptions>(parsed)) << std::get<UsageError>(parsed).message;
    const CommandLineOptions& options = std::get<CommandLineOptions>(parsed);
    EXPECT_EQ(options.action, CommandLineOptions::Action::Check);
    EXPECT_EQ(options.check.casesPath, test.expected.casesPath);
    EXPECT_EQ(options.check.programPaths, test.expected.programPaths);
    EXPECT_EQ(options.check.maxLines, test.expected.maxLines);
    EXPECT_EQ(options.check.junitPath, test.expected.junitPath);
    EXPECT_EQ(options.check.csvPath, test.expected.csvPath);
    EXPECT_EQ(options.check.jobs, test.expected.jobs);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, AcceptedCheckArguments,
    ::testing::Values(
        AcceptedCheckCase{"OneProgramAndTheDefaultBudget", {"--check", "c", "a.urm"}, {"c", {"a.urm"}}},
        AcceptedCheckCase{"ProgramsAroundOptions",
                          {"--check", "c", "a", "--max-steps", "50", "b", "--junit=r.xml", "--csv", "t.csv", "c"},
                          {"c", {"a", "b", "c"}, 50, "r.xml", "t.csv"}},
        AcceptedCheckCase{
            "OptionsFirst", {"--jobs=3", "--check", "c", "a"}, {"c", {"a"}, kDefaultCheckSteps, {}, {}, 3}},
        AcceptedCheckCase{"ProgramsThatLookLikeOptions",
                          {"--check", "c", "-3", "--", "-odd.urm", "--help"},
                          {"c", {"-3", "-odd.urm", "--help"}}}),
    [](const auto& test) { return test.param.name; });

TEST(CommandLineOptions, GraphNamesTheProgram)
{
    const auto parsed = ParseCommandLine(Args{"--graph", "-odd.urm"}, Language::English);
    ASSERT_TRUE(std::holds_alternative<CommandLineOptions>(parsed)) << std::get<UsageError>(parsed).message;
    EXPECT_EQ(std::get<CommandLineOptions>(parsed).action, CommandLineOptions::Action::Graph);
    EXPECT_EQ(std::get<CommandLineOptions>(parsed).run.programPath, "-odd.urm");
}

TEST(CommandLineOptions, HelpAndVersionWinWhereverTheyStand)
{
    const std::vector<std::pair<Args, CommandLineOptions::Action>> cases{
        {{"--help"}, CommandLineOptions::Action::Help},
        {{"-h"}, CommandLineOptions::Action::Help},
        {{"--run", "p", "3", "--help"}, CommandLineOptions::Action::Help},
        {{"--version"}, CommandLineOptions::Action::Version},
        {{"--run", "p", "--version", "--help"}, CommandLineOptions::Action::Version},
        {{"--graph", "p", "--help"}, CommandLineOptions::Action::Help},
    };
    for (const auto& [args, action] : cases) {
        SCOPED_TRACE(args.back());
        const auto parsed = ParseCommandLine(args, Language::English);
        ASSERT_TRUE(std::holds_alternative<CommandLineOptions>(parsed));
        EXPECT_EQ(std::get<CommandLineOptions>(parsed).action, action);
    }
}

} // namespace
} // namespace tessivar::test
