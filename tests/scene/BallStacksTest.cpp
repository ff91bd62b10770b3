#include "AnimationCopies.h"
#include "ShownMachine.h"

#include <limits>

namespace tessivar::scene::testing {
namespace {

class BallStacksTest : public ::testing::Test, public ShownMachine {};
constexpr std::int64_t Max = std::numeric_limits<std::int64_t>::max();

TEST(BallLayout, PlacesEachStackPositionInGroupsOfTenNewestInFront)
{
    const struct {
        std::int64_t value, position;
        Vector3 expected;
    } cases[] = {
        {1, 0, {3, -0.25f, 0}},
        {10, 0, {3, -0.25f, 0}},
        {10, 9, {3, -4.75f, 0}},
        {11, 0, {3, -0.25f, 1}},
        {11, 9, {3, -4.75f, 1}},
        {11, 10, {3, -0.25f, 0}},
        {200, 0, {3, -0.25f, 19}},
        {200, 199, {3, -4.75f, 0}},
        {250, 50, {3, -0.25f, 19}},
        {255, 55, {3, -2.75f, 20}},
        {255, 254, {3, -2.25f, 0}},
        {Max, Max - 1, {3, -3.25f, 0}},
        {Max, Max - 200, {3, -3.75f, 20}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BallPosition(3, c.value, c.position, 0.5f), c.expected) << c.value << " " << c.position;
    EXPECT_EQ(PositionInSlot(0, Max), Max - 200) << "no overflow at the top";
}

TEST_F(BallStacksTest, SetGivesEachRegisterTheSlotsOfItsValue)
{
    Set({"0", "-4", "1", "10", "11", "200", "250", "255", "9223372036854775607"}, {"S(1)"});
    Settle();
    for (int r = 0; r < 9; ++r)
        ExpectRestingStack(r);
    EXPECT_EQ(shown.Stacks().SlotLists.size(), 9u);
    ASSERT_NE(shown.Stacks().SlotLists[0], nullptr) << "a register without balls still has its slots";
    EXPECT_EQ(Slot(2, 199)->Position.Point(), (Vector3{2, -0.25f, 0}));
    EXPECT_EQ(BallsInSlots(), 1u + 10 + 11 + 200 * 4);
    EXPECT_EQ(Balls().size(), BallsInSlots());
}

TEST_F(BallStacksTest, BallsDropFromFiveAboveWithinASecondWhileTheySpinInStaggeredSevenths)
{
    Set({"3", "5"}, {});
    Ball* lowest = Slot(0, 197);
    EXPECT_FLOAT_EQ(lowest->Position.Y(), -0.25f - 5);
    // Spin delays cycle through sevenths in the order the balls were made.
    const Ball* balls[] = {Slot(0, 197), Slot(0, 198), Slot(0, 199), Slot(1, 195),
                           Slot(1, 196), Slot(1, 197), Slot(1, 198), Slot(1, 199)};
    const int sevenths[] = {0, 1, 2, 3, 4, 5, 6, 0};
    for (int i = 0; i < 8; ++i) {
        const FloatAnimation* spin = RunningAnimation(balls[i], "RotationAngle.Y");
        ASSERT_NE(spin, nullptr);
        EXPECT_FLOAT_EQ(spin->Delay(), static_cast<float>(sevenths[i]) / 7) << i;
        EXPECT_EQ(spin->Tag, 30);
    }
    Advance(1.02);
    EXPECT_FLOAT_EQ(lowest->Position.Y(), -0.25f);
    EXPECT_EQ(RunningAnimation(lowest, "Position.Y"), nullptr) << "the drop has freed itself";
    // 31 turns of 2 s, each restart waiting for the next tick.
    Advance(60);
    EXPECT_NE(RunningAnimation(lowest, "RotationAngle.Y"), nullptr);
    Advance(2);
    EXPECT_EQ(RunningAnimation(lowest, "RotationAngle.Y"), nullptr);
    EXPECT_FLOAT_EQ(lowest->RotationAngle.Y(), 359.9f);
    Settle();
    EXPECT_EQ(clock.Count(), 0u);
}

// The slot arithmetic overflows past 2^63 - 200: the balls built before the
// failing slot remain and Set stops there.
TEST_F(BallStacksTest, ValuesBeyondTheSetLimitsStopTheBuildAtTheOverflowingSlot)
{
    const struct {
        const char* value;
        std::size_t balls; // in all three registers; R(3) only when Set goes on
    } cases[] = {
        {"9223372036854775608", 1 + 200 + 5}, // 2^63 - 200: the largest Set loads
        {"9223372036854775609", 1 + 199}, // slot 199 overflows
        {"9223372036854775807", 1 + 1},       {"-9223372036854775608", 1 + 0 + 5},
        {"-9223372036854775609", 1 + 0}, // slot 0 overflows
    };
    for (const auto& c : cases) {
        Set({"1", c.value, "5"}, {"S(1)"});
        EXPECT_EQ(BallsInSlots(), c.balls) << c.value;
        EXPECT_EQ(Balls().size(), BallsInSlots()) << c.value;
    }
}

// Set frees only the balls held in slots: balls already falling away finish
// their fall and free themselves.
TEST_F(BallStacksTest, SetFreesTheBallsInSlotsAndLeavesFallingBallsToTheirFall)
{
    Set({"5", "3"}, {"T(1,2)"});
    Settle();
    Step(0); // R(2)'s three balls fall for 1 s whatever the speed
    Set({"1"}, {});
    EXPECT_EQ(BallsInSlots(), 1u);
    EXPECT_EQ(Balls().size(), 4u);
    Advance(1.1);
    EXPECT_EQ(Balls().size(), 1u);
    EXPECT_EQ(shown.Stacks().SlotLists.size(), 1u) << "one entry per register line";
}

TEST_F(BallStacksTest, RepeatOrFreeRunsACopyTagPlusOneTimesThenFreesIt)
{
    Ball* ball = shown.Stacks().NewBall({0, 0, 0});
    FloatAnimation* copy = CopyAnimation(*scene.SlideTemplate, scene.Owner, *ball);
    copy->SetStartValue(0);
    copy->SetStopValue(1);
    copy->SetDuration(1);
    copy->Tag = 2;
    int runs = 0;
    struct Counting {
        int* runs;
        void operator()(SceneObject* sender)
        {
            ++*runs;
            RepeatOrFreeAnimation(nullptr, sender);
        }
    } counting{&runs};
    copy->OnFinish = FinishHandler::Calling(&counting);
    copy->Start();
    Advance(5);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(ball->ChildCount(), 3u) << "only the template's three copies are left";
    delete ball;
}

} // namespace
} // namespace tessivar::scene::testing
