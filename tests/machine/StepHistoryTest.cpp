#include "StepHistory.h"
#include "Machine.h"

#include <gtest/gtest.h>

namespace tessivar {
namespace {

struct Snapshot {
    RegisterFile registers;
    std::int64_t pc;
    StepCount stepCount;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

Snapshot Take(const Machine& machine)
{
    return {machine.registers, machine.pc, machine.stepCount};
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
        const std::optional<HistoryEntry> newest = history.TakeNewest();
        ASSERT_TRUE(newest);
        Undo(machine, *newest);
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
        ASSERT_EQ(std::get<UndoRecord>(*history.TakeNewest()).executedPC, pc);
    }
    history.Record({.executedPC = 9});
    for (const std::int64_t pc : {9, 2}) {
        ASSERT_EQ(std::get<UndoRecord>(*history.TakeNewest()).executedPC, pc);
    }
    EXPECT_TRUE(history.Empty());
    history.Record({.executedPC = 1});
    history.Clear();
    EXPECT_FALSE(history.TakeNewest());
}

// Loops applied at once are undone in one entry each, among the lines. A
// loop before a dropped line is still undone; what came before it is gone.
TEST(StepHistoryTest, KeepsLoopsAmongTheLinesWithinBothBounds)
{
    StepHistory history(2);
    history.Record({.executedPC = 0});
    history.RecordLeap({.headPC = 1, .steps = 40, .oldValues = {{.registerNumber = 2, .value = 7}}});
    history.Record({.executedPC = 2});
    history.Record({.executedPC = 3});
    history.RecordLeap({.headPC = 4, .steps = 8, .oldValues = {}});
    EXPECT_EQ(history.Size(), 4u) << "the first line was dropped";
    EXPECT_EQ(std::get<LeapUndo>(*history.TakeNewest()).headPC, 4);
    EXPECT_EQ(std::get<UndoRecord>(*history.TakeNewest()).executedPC, 3);
    EXPECT_EQ(std::get<UndoRecord>(*history.TakeNewest()).executedPC, 2);
    const LeapUndo leap = std::get<LeapUndo>(*history.TakeNewest());
    EXPECT_EQ(leap.steps, 40);
    ASSERT_EQ(leap.oldValues.size(), 1u);
    EXPECT_EQ(leap.oldValues[0].value, 7);
    EXPECT_TRUE(history.Empty());
    EXPECT_FALSE(history.TakeNewest());

    StepHistory wide;
    LeapUndo allRegisters{.headPC = 5, .steps = 1, .oldValues = {}};
    allRegisters.oldValues.resize(kRegisterCount);
    const std::size_t fitting = StepHistory::kLeapValueCapacity / kRegisterCount;
    for (std::size_t i = 0; i <= fitting; ++i)
        wide.RecordLeap(allRegisters);
    EXPECT_EQ(wide.Size(), fitting) << "the oldest loop made room";
    wide.Record({.executedPC = 6});
    wide.RecordLeap(allRegisters);
    EXPECT_EQ(wide.Size(), fitting + 1) << "the line stays after the loop that made room";
}

// A loop's iterations undone put back its registers, pc and stepCount as they
// stood at the loop's entry.
TEST(StepHistoryTest, UndoingALoopPutsBackItsEntry)
{
    Machine machine;
    machine.registers[0] = 50;
    machine.registers[1] = 9;
    machine.pc = 4;
    machine.stepCount = 1000;
    Undo(machine,
         LeapUndo{.headPC = 2,
                  .steps = 120,
                  .oldValues = {{.registerNumber = 1, .value = 10}, {.registerNumber = 2, .value = 0}}});
    EXPECT_EQ(machine.registers[0], 10);
    EXPECT_EQ(machine.registers[1], 0);
    EXPECT_EQ(machine.pc, 2);
    EXPECT_EQ(machine.stepCount, 880);
}

} // namespace
} // namespace tessivar
