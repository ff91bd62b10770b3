#include "StepHistory.h"
#include "Machine.h"

#include <gtest/gtest.h>

namespace tessivar {
namespace {

struct Snapshot {
    RegisterFile Reg;
    std::int64_t PC, Step;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(const Machine& machine)
{
    return {machine.Reg, machine.PC, machine.Step};
}

// Every kind of line undone in reverse order gives back each earlier state,
// down to the state right after Set and no further.
TEST(StepHistoryTest, UndoingEveryKindOfLineGivesBackEachEarlierState)
{
    Machine machine;
    TextLines registers{"5", "-2", "7"};
    ASSERT_FALSE(
        machine.Set(registers, {"S(1)", "Z(2)", "T(3,2)", "J(1,2,6)", "J(2,3,7)", "S(9)", "/ note", "S(0)"}).error);
    StepHistory history;
    std::vector<Snapshot> states{Take(machine)};
    while (machine.CanContinue()) {
        const StepOutcome step = machine.ExecuteStep();
        ASSERT_FALSE(step.error);
        history.Record(UndoRecord::Of(step.effect));
        states.push_back(Take(machine));
    }
    ASSERT_EQ(states.size(), 8u) << "J(2,3,7) was taken over S(9) to the comment";
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        const std::optional<UndoRecord> newest = history.TakeNewest();
        ASSERT_TRUE(newest);
        machine.Undo(*newest);
        EXPECT_EQ(Take(machine), states[i]) << "back to state " << i;
    }
    EXPECT_FALSE(history.TakeNewest()) << "nothing before Set";
}

TEST(StepHistoryTest, KeepsOnlyTheNewestStepsUpToItsCapacity)
{
    StepHistory history(3);
    for (std::int64_t pc = 0; pc < 5; ++pc)
        history.Record({.executedPC = pc});
    EXPECT_EQ(history.Size(), 3u);
    for (const std::int64_t pc : {4, 3}) {
        ASSERT_EQ(history.TakeNewest()->executedPC, pc);
    }
    history.Record({.executedPC = 9});
    for (const std::int64_t pc : {9, 2}) {
        ASSERT_EQ(history.TakeNewest()->executedPC, pc);
    }
    EXPECT_TRUE(history.Empty());
    history.Record({.executedPC = 1});
    history.Clear();
    EXPECT_FALSE(history.TakeNewest());
}

} // namespace
} // namespace tessivar
