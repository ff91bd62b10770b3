#include "ProgramListing.h"
#include "ShownMachine.h"
#include "StepDuration.h"

namespace tessivar::scene::testing {
namespace {

class ProgramListingTest : public ::testing::Test, public ShownMachine {};

TEST(StepDurationRule, HalvesPerWholeUnitAndIsZeroAtTheTop)
{
    const struct {
        double slider;
        float step, pan;
    } cases[] = {
        {1, 2, 2}, {1.999, 2, 2}, {2, 1, 1}, {3.5, 0.5f, 0.5f}, {4, 0.25f, 0.25f}, {4.999, 0.25f, 0.25f}, {5, 0, 0.01f},
    };
    for (const auto& c : cases) {
        EXPECT_FLOAT_EQ(StepDuration(c.slider, 5), c.step) << c.slider;
        EXPECT_FLOAT_EQ(SetPanDuration(c.slider, 5), c.pan) << c.slider;
    }
}

TEST_F(ProgramListingTest, SizeAndPlaceFollowTheLineCountAndTheWidestLine)
{
    const struct {
        std::size_t lines, width;
        float height, y, boxWidth;
    } cases[] = {
        {8, 14, 100, 0, 35}, // the sample program
        {0, 0, 100, 0, 20},  {20, 8, 100, 0, 20}, {21, 9, 105, 2.5f, 22.5f}, {40, 10, 200, 50, 25},
    };
    for (const auto& c : cases) {
        ShowListing(scene, {c.lines, c.width, "S(1)"});
        EXPECT_FLOAT_EQ(scene.ListingText->Height(), c.height) << c.lines;
        EXPECT_FLOAT_EQ(scene.ListingText->Position.Y(), c.y) << c.lines;
        EXPECT_FLOAT_EQ(scene.ListingText->Width(), c.boxWidth) << c.width;
        EXPECT_FLOAT_EQ(scene.HighlightBar->Width(), c.boxWidth) << "the bar is as wide as the listing";
        EXPECT_EQ(scene.ListingText->Text(), "S(1)");
        EXPECT_EQ(scene.InstructionText->Text(), "");
    }
}

TEST_F(ProgramListingTest, ScrollBringsTheNextLineToTheBarWithTheLongProgramOffset)
{
    const struct {
        std::int64_t pc;
        std::size_t lines;
        float stop;
    } cases[] = {{1, 8, -5.35f}, {3, 20, -16.05f}, {3, 21, 2.5f - 16.05f}, {8, 30, 25 - 42.8f}};
    for (const auto& c : cases) {
        ScrollListing(scene, c.pc, c.lines);
        EXPECT_FLOAT_EQ(scene.ListingScroll->StopValue(), c.stop) << c.pc << " " << c.lines;
    }
}

// Step back scrolls the listing back as fast as a step's scroll (D / 10), at
// once at the top speed; a step that starts meanwhile ends the scroll back
// first, so that it cannot leave the listing at the undone line.
TEST_F(ProgramListingTest, AStepUndoneScrollsTheListingBack)
{
    Set({"0"}, {"S(1)", "S(1)", "S(1)"});
    const float atFirstLine = scene.ListingText->Position.Y();
    const UndoRecord first = UndoRecord::Of(Step(0).effect);
    const float atSecondLine = scene.ListingText->Position.Y();
    const UndoRecord second = UndoRecord::Of(Step(0).effect);
    const float atThirdLine = scene.ListingText->Position.Y();
    ASSERT_LT(atThirdLine, atSecondLine);

    const int written[] = {1};
    machine.Undo(second);
    shown.ShowMachineState(machine, written, programLines.size(), 1);
    EXPECT_FLOAT_EQ(scene.ListingText->Position.Y(), atThirdLine);
    Advance(0.05);
    EXPECT_GT(scene.ListingText->Position.Y(), atThirdLine);
    EXPECT_LT(scene.ListingText->Position.Y(), atSecondLine);
    Advance(0.06);
    EXPECT_FLOAT_EQ(scene.ListingText->Position.Y(), atSecondLine);
    EXPECT_EQ(RunningAnimation(scene.ListingText, "Position.Y"), nullptr) << "the scroll back is gone";

    machine.Undo(first);
    shown.ShowMachineState(machine, written, programLines.size(), 0);
    EXPECT_FLOAT_EQ(scene.ListingText->Position.Y(), atFirstLine) << "at the top speed, at once";

    shown.ShowMachineState(machine, written, programLines.size(), 1); // as if undone again, mid-scroll:
    Advance(0.05);
    Step(0);
    Advance(0.1);
    EXPECT_FLOAT_EQ(scene.ListingText->Position.Y(), atSecondLine) << "the step's scroll has the last word";
}

TEST_F(ProgramListingTest, CounterTextAfterSetAndSteps)
{
    Set({"1"}, {"S(1)"});
    EXPECT_EQ(scene.CounterText->Text(), "Step:   0");
    const Vector3 place = scene.CounterText->Position.Point();
    for (const auto& [step, text] : {std::pair<StepCount, const char*>{12, "Step:  12"},
                                     {12345, "Step:12345"},
                                     {kLargestStepCount, "Step:170141183460469231731687303715884105727"}}) {
        ShowStepCounter(scene, step);
        EXPECT_EQ(scene.CounterText->Text(), text);
        // However long the count, the counter stays where it stands, as high as designed.
        EXPECT_EQ(scene.CounterText->Position.Point(), place) << text;
        EXPECT_FLOAT_EQ(scene.CounterText->Height(), 2) << text;
    }
}

// The pan goes out and back at the slider pace; at the top it is a short real run.
TEST_F(ProgramListingTest, SetPansTheCameraOutAndBackAtTheSliderPace)
{
    Set({"1"}, {"S(1)"}, 2);
    Advance(2);
    EXPECT_NEAR(scene.ViewCamera->Position.X(), 7, 0.05f);
    Advance(2.05);
    EXPECT_FLOAT_EQ(scene.ViewCamera->Position.X(), -2);
    Set({"1"}, {"S(1)"}, 0.01f);
    Advance(0.05);
    EXPECT_FLOAT_EQ(scene.ViewCamera->Position.X(), -2);
}

} // namespace
} // namespace tessivar::scene::testing
