#include "ShownMachine.h"

#include <limits>

namespace tessivar::scene::testing {
namespace {

class StepStacks : public ::testing::Test, public ShownMachine {
protected:
    // After each step of a top-speed run, once the balls it moved have come
    // to rest: every register's slots hold exactly their layout's balls, and
    // no ball is left outside a slot list.
    void RunCheckingEveryStep(int registers)
    {
        while (machine.CanContinue()) {
            ASSERT_FALSE(Step(0).error);
            Advance(1.05); // a T's old balls fall for 1 s
            for (int r = 0; r < registers; ++r)
                ASSERT_NO_FATAL_FAILURE(ExpectRestingStack(r)) << "after step " << DecimalText(machine.stepCount);
            ASSERT_EQ(Balls().size(), BallsInSlots()) << "after step " << DecimalText(machine.stepCount);
        }
    }
};

// R(1) up from 5 past 10 and R(3) from 195 past 200, then copied across,
// cleared, and up again from 0.
TEST_F(StepStacks, RunsThatCross10And200And0KeepEverySlotInvariant)
{
    Set({"5", "7", "195", "0"},
        {"S(1)", "S(3)", "S(4)", "J(4,2,6)", "J(1,1,1)", "T(3,1)", "T(1,2)", "Z(3)", "S(3)", "S(3)", "Z(1)", "T(3,2)"});
    RunCheckingEveryStep(4);
    const std::int64_t expected[] = {0, 2, 2, 7};
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(machine.registers[static_cast<std::size_t>(r)], expected[r]) << r;
}

TEST_F(StepStacks, LoopCrossing200ManyTimesKeepsTheInvariant)
{
    // R(1) counts up to R(2) = 420 one S at a time.
    Set({"0", "420"}, {"J(1,2,4)", "S(1)", "J(1,1,1)"});
    RunCheckingEveryStep(2);
    EXPECT_EQ(machine.registers[0], 420);
    EXPECT_EQ(BallsInSlots(), 400u);
}

// Values near the top of the 64-bit range: the bookkeeping cannot overflow,
// and an S on the maximum itself is refused with nothing touched.
TEST_F(StepStacks, StepsNearTheTopOfTheRangeShowTheirBallsAndTheLastIsRefused)
{
    constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();
    Set({"9223372036854775608"}, {"S(1)", "J(1,1,1)"});
    Advance(1.05); // Set's drops take 1 s at any speed
    for (int i = 0; i < 199; ++i) {
        ASSERT_FALSE(Step(0).error);
        ASSERT_NO_FATAL_FAILURE(ExpectRestingStack(0));
        ASSERT_FALSE(Step(0).error);
    }
    ASSERT_EQ(machine.registers[0], Max);
    const std::int64_t step = machine.stepCount;
    const StepOutcome refused = Step(0);
    ASSERT_TRUE(refused.error);
    EXPECT_EQ(machine.stepCount, step);
    ExpectRestingStack(0);
    EXPECT_EQ(Balls().size(), 200u);
}

// A step undone shows the old value at once, spinning balls in their places.
TEST_F(StepStacks, RebuildingAStackInPlaceKeepsTheSlotInvariant)
{
    Set({"205", "3"}, {"Z(1)", "T(1,2)"});
    RunAtTopSpeed();
    Advance(1.05);
    for (const std::int64_t value : {205, 11, 0, -4, 1}) {
        machine.registers[0] = value;
        shown.Stacks().RebuildStack(0, value);
        ExpectRestingStack(0);
        EXPECT_EQ(Balls().size(), BallsInSlots()) << value;
    }
}

// Set may load negative values: S on them shows no ball until they pass 0.
TEST_F(StepStacks, SOnANegativeRegisterShowsNoBallUntilItPassesZero)
{
    Set({"-2"}, {"S(1)", "S(1)", "S(1)"});
    Step(0);
    EXPECT_EQ(Balls().size(), 0u);
    Step(0);
    EXPECT_EQ(Balls().size(), 0u) << "0 shows nothing";
    Step(0);
    EXPECT_EQ(Balls().size(), 1u);
    ExpectRestingStack(0);
}

// At the top speed every fall ends inside its start and frees its ball: the
// slot is emptied before, and nothing touches the ball after.
TEST_F(StepStacks, TopSpeedStepsFreeBallsInsideTheirStartSafely)
{
    Set({"250", "30", "7"}, {"Z(1)", "T(2,1)", "T(1,3)", "S(3)", "Z(3)", "T(3,2)", "Z(2)"});
    RunAtTopSpeed();
    Settle();
    EXPECT_EQ(Balls().size(), BallsInSlots());
    EXPECT_EQ(BallsInSlots(), 30u);
    EXPECT_EQ(clock.Count(), 0u);
}

// A long top-speed run of every kind of line leaves no ball outside a slot
// and no animation behind once everything has come to rest.
TEST_F(StepStacks, TenThousandTopSpeedStepsLeaveNothingBehind)
{
    Set({"195", "0", "0", "12"},
        {"S(1)", "T(1,2)", "S(3)", "/ note", "J(3,4,7)", "J(1,1,1)", "Z(3)", "T(4,1)", "J(1,1,1)"});
    RunAtTopSpeed(10000);
    ASSERT_TRUE(machine.CanContinue()) << "the program loops for ever";
    Settle();
    EXPECT_EQ(Balls().size(), BallsInSlots());
    EXPECT_EQ(clock.Count(), 0u);
    for (int r = 0; r < 4; ++r)
        ExpectRestingStack(r);
}

} // namespace
} // namespace tessivar::scene::testing
