#include "PassWalk.h"
#include "PeriodicLoops.h"
#include "RunnerComparison.h"
#include "StepHistory.h"
#include "TeachingPrograms.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

namespace tessivar::test {
namespace {

struct PeriodCase {
    std::string name;
    int counterPeriod;
    int ring;

    int Period() const { return std::lcm(counterPeriod, ring); }
    RunInput Input(StepCount trips) const
    {
        return {CounterBesideARing(ring), CounterBesideARingRegisters(ring, counterPeriod, trips)};
    }
};

// Paths that repeat after 5, 7, 16 and the most trips a summary follows.
const std::vector<PeriodCase> kSummarised{
    {"Five", 5, 5},
    {"Seven", 7, 7},
    {"Sixteen", 16, 2},
    {"TheLongest", PassWalk::kLongestPeriod, 2},
};

// One trip more than a summary follows: 65 = 13 × 5.
const PeriodCase kOnePastTheLongest{"OnePastTheLongest", PassWalk::kLongestPeriod + 1, 5};

// The history's entries of a whole run: the lines run one by one at `pc`, and the leaps.
struct RecordedRun {
    std::size_t linesAt = 0;
    std::size_t leaps = 0;
};

RecordedRun Record(const RunInput& input, std::int64_t pc)
{
    Machine machine;
    TextLines panel = input.registers;
    machine.Set(panel, input.program);
    StepHistory history;
    CompiledProgram(machine.program).Run(machine, {.history = &history});
    RecordedRun recorded;
    while (const std::optional<HistoryEntry> entry = history.TakeNewest()) {
        const auto* line = std::get_if<UndoRecord>(&*entry);
        recorded.linesAt += line != nullptr && line->executedPC == pc ? 1 : 0;
        recorded.leaps += line == nullptr ? 1 : 0;
    }
    return recorded;
}

TEST(PeriodicLoop, MatchesTheStepsUnderEveryBudget)
{
    std::vector<PeriodCase> cases = kSummarised;
    cases.push_back(kOnePastTheLongest);
    for (const PeriodCase& c : cases) {
        SCOPED_TRACE(c.name);
        const RunInput input = c.Input(static_cast<StepCount>(3 * c.Period() + 2));
        const RunSnapshot whole = RunStepByStep(input, std::nullopt);
        ASSERT_EQ(whole.stop, RunOutcome::Stop::Ended);
        for (StepCount budget = 0; budget <= whole.executedLines; ++budget) {
            ExpectSameRun(input, budget);
        }
        ExpectSameRun(input, std::nullopt);
    }
}

// Summarised a period at a time: a few leaps over thousands of periods, from
// any phase of the counter, where line by line runs every line.
TEST(PeriodicLoop, ALongRunTakesAFewLeaps)
{
    for (const PeriodCase& c : kSummarised) {
        for (const StepCount phase : {0, 1, c.counterPeriod - 1}) {
            SCOPED_TRACE(c.name + " from phase " + DecimalText(phase));
            RunInput input = c.Input(static_cast<StepCount>(20000 * c.Period()) + phase);
            input.registers[1] = DecimalText(phase);
            const RunSnapshot summarised = RunCompiled(input, std::nullopt, LoopAcceleration::On);
            ExpectSameSnapshot(summarised, RunCompiled(input, std::nullopt, LoopAcceleration::Off));
            EXPECT_GT(summarised.summarisedLines, summarised.executedLines / 100 * 99);
            EXPECT_LE(Record(input, kCounterReset).leaps, 8u);
        }
    }
}

// No summary spans a reset of the counter when the whole repeats only after
// more trips than a summary follows: every reset runs line by line, exactly.
// The last trip leaves before its reset.
TEST(PeriodicLoop, OnePastTheLongestRunsEveryResetLineByLine)
{
    const StepCount periods = 1000; // all its lines fit in the history
    const RunInput input = kOnePastTheLongest.Input(periods * kOnePastTheLongest.Period());
    ExpectSameSnapshot(RunCompiled(input, std::nullopt, LoopAcceleration::On),
                       RunCompiled(input, std::nullopt, LoopAcceleration::Off));
    EXPECT_EQ(Record(input, kCounterReset).linesAt, periods - 1);
}

} // namespace
} // namespace tessivar::test
