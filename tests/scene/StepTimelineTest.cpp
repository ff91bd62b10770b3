#include "ShownMachine.h"

#include <functional>
#include <memory>

namespace tessivar::scene::testing {
namespace {

// What the scene shows at `at` seconds after the step started.
struct Instant {
    double at;
    std::function<void(ShownMachine&)> check;
};

struct TimelineCase {
    const char* name;
    TextLines registers;
    TextLines program;
    float duration;
    std::vector<Instant> instants;
};

constexpr float Near = 0.06f; // a tick of the clock and a little

float CameraX(ShownMachine& m)
{
    return m.scene.ViewCamera->Position.X();
}

float BallX(ShownMachine& m, int registerIndex, int slot)
{
    return m.Slot(registerIndex, slot)->Position.X();
}

float BallY(ShownMachine& m, int registerIndex, int slot)
{
    return m.Slot(registerIndex, slot)->Position.Y();
}

void RunTimeline(const TimelineCase& c)
{
    SCOPED_TRACE(c.name);
    auto m = std::make_unique<ShownMachine>();
    m->Set(c.registers, c.program);
    m->Settle();
    m->Step(c.duration);
    double now = 0;
    for (const Instant& instant : c.instants) {
        SCOPED_TRACE(::testing::Message() << "at " << instant.at << " s");
        m->Advance(instant.at - now);
        now = instant.at;
        instant.check(*m);
    }
}

TEST(StepTimeline, EachInstructionMovesWhatItShowsWhenItShould)
{
    const TimelineCase cases[] = {
        {"S(2) on 4: the new ball waits above for D, then bounces in within D/2",
         {"0", "4"},
         {"S(2)"},
         1,
         {{0.5,
           [](ShownMachine& m) {
               EXPECT_FLOAT_EQ(BallY(m, 1, 199), -100);
               EXPECT_FLOAT_EQ(BallY(m, 1, 198), -1.75f) << "the others stay";
               EXPECT_NEAR(CameraX(m), -0.5f, Near) << "halfway to column 1";
               EXPECT_NEAR(m.scene.InstructionText->Position.X(), 11.25f, Near);
               EXPECT_EQ(m.scene.InstructionText->Text(), "S(2)");
           }},
          {1.6,
           [](ShownMachine& m) {
               EXPECT_FLOAT_EQ(BallY(m, 1, 199), -2.25f);
               EXPECT_EQ(m.scene.InstructionText->Text(), "") << "the slide's end clears it";
               EXPECT_NEAR(CameraX(m), -0.8f, Near) << "on its way back";
               EXPECT_EQ(m.stepsEnded, 0);
           }},
          {2.2,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1) << "the listing scrolls from 2D for D/10";
               EXPECT_FLOAT_EQ(m.scene.ListingText->Position.Y(), -5.35f);
               EXPECT_FLOAT_EQ(CameraX(m), -2);
               EXPECT_EQ(m.scene.CounterText->Text(), "Step:   1");
           }}}},
        {"S(1) on 10: the ten balls move a unit back at once",
         {"10"},
         {"S(1)"},
         1,
         {{0.01,
           [](ShownMachine& m) {
               for (int slot = 189; slot < 199; ++slot)
                   EXPECT_FLOAT_EQ(m.Slot(0, slot)->Position.Z(), 1) << slot;
               EXPECT_FLOAT_EQ(m.Slot(0, 199)->Position.Z(), 0);
           }},
          {1.6, [](ShownMachine& m) { m.ExpectRestingStack(0); }}}},
        {"S(1) on 200: the oldest ball goes at once",
         {"200"},
         {"S(1)"},
         1,
         {{0.01,
           [](ShownMachine& m) {
               EXPECT_EQ(m.BallsInSlots(), 200u);
               EXPECT_EQ(m.Balls().size(), 200u);
           }},
          {1.6, [](ShownMachine& m) { m.ExpectRestingStack(0); }}}},
        {"Z(3) on 3: the balls wait D and fall for D/2, then are freed",
         {"0", "0", "3"},
         {"Z(3)"},
         1,
         {{0.5,
           [](ShownMachine& m) {
               EXPECT_EQ(m.shown.Stacks().SlotLists[2], nullptr) << "no slot list after Z";
               ASSERT_EQ(m.Balls().size(), 3u);
               EXPECT_FLOAT_EQ(m.Balls()[0]->Position.Y(), -0.25f);
           }},
          {1.6, [](ShownMachine& m) { EXPECT_TRUE(m.Balls().empty()); }}}},
        {"Z(3) on 0: only the camera and the text move",
         {"0", "0", "0"},
         {"Z(3)"},
         1,
         {{0.5,
           [](ShownMachine& m) {
               EXPECT_EQ(m.shown.Stacks().SlotLists[2], nullptr);
               EXPECT_NEAR(CameraX(m), 0, Near);
           }}}},
        {"T(1,3), 5 over 2: the copy slides right from D/2 with the camera",
         {"5", "0", "2"},
         {"T(1,3)"},
         1,
         {{0.25,
           [](ShownMachine& m) {
               EXPECT_EQ(m.BallsInSlots(), 10u);
               EXPECT_EQ(m.Balls().size(), 12u) << "R(3)'s two old balls are falling";
               EXPECT_FLOAT_EQ(BallX(m, 2, 195), 0);
               EXPECT_FLOAT_EQ(BallY(m, 2, 199), -2.25f) << "at its final height at once";
           }},
          {0.75, [](ShownMachine& m) { EXPECT_NEAR(BallX(m, 2, 195), 1, Near); }},
          {1.05,
           [](ShownMachine& m) {
               EXPECT_EQ(m.Balls().size(), 10u) << "the old balls fell for 1 s";
               m.ExpectRestingStack(2);
           }}}},
        {"T(3,1): the copy waits for the camera to turn, then slides left for D",
         {"0", "0", "5"},
         {"T(3,1)"},
         1,
         {{0.9,
           [](ShownMachine& m) {
               EXPECT_FLOAT_EQ(BallX(m, 0, 199), 2);
               EXPECT_NEAR(CameraX(m), 1.6f, Near) << "the focus is column 2";
           }},
          {1.5, [](ShownMachine& m) { EXPECT_NEAR(BallX(m, 0, 199), 1, Near); }},
          {2.05, [](ShownMachine& m) { m.ExpectRestingStack(0); }}}},
        {"T(2,2) rebuilds the column in place",
         {"0", "3"},
         {"T(2,2)"},
         1,
         {{0.01,
           [](ShownMachine& m) {
               EXPECT_EQ(m.Balls().size(), 6u);
               m.ExpectRestingStack(1);
           }},
          {1.05, [](ShownMachine& m) { EXPECT_EQ(m.Balls().size(), 3u); }}}},
        {"J(1,2,1) on 20: a plane spans both columns and rises to 5 in D",
         {"20", "3"},
         {"J(1,2,1)"},
         1,
         {{0.01,
           [](ShownMachine& m) {
               EXPECT_TRUE(m.scene.ComparisonPlane->Visible());
               EXPECT_FLOAT_EQ(m.scene.ComparisonPlane->Width(), 2.2f);
               EXPECT_FLOAT_EQ(m.scene.ComparisonPlane->Position.X(), -48.5f);
           }},
          {0.5, [](ShownMachine& m) { EXPECT_NEAR(m.scene.ComparisonPlane->Position.Z(), 2.5f, 0.1f); }},
          {1.05,
           [](ShownMachine& m) {
               EXPECT_FALSE(m.scene.ComparisonPlane->Visible());
               EXPECT_FLOAT_EQ(m.scene.ComparisonPlane->Position.Z(), 5);
           }}}},
        {"J(1,2,1) on 0: the plane stays at the grid",
         {"0", "3"},
         {"J(1,2,1)"},
         1,
         {{0.5, [](ShownMachine& m) { EXPECT_FLOAT_EQ(m.scene.ComparisonPlane->Position.Z(), 0); }}}},
        {"J(2,2,2): no plane, the camera stays, the listing scrolls after D/4",
         {"0", "3"},
         {"J(2,2,2)", "S(1)"},
         1,
         {{0.1,
           [](ShownMachine& m) {
               EXPECT_FALSE(m.scene.ComparisonPlane->Visible());
               EXPECT_FLOAT_EQ(CameraX(m), -2);
           }},
          {0.2, [](ShownMachine& m) { EXPECT_EQ(m.stepsEnded, 0); }},
          {0.4,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1);
               EXPECT_FLOAT_EQ(m.scene.ListingText->Position.Y(), -5.35f) << "the jump goes on at line 2";
           }}}},
        {"A comment shows no text, moves nothing and scrolls at once in D/10",
         {"1"},
         {"/ comment", "S(1)"},
         1,
         {{0.01,
           [](ShownMachine& m) {
               EXPECT_EQ(m.scene.InstructionText->Text(), "");
               EXPECT_FLOAT_EQ(CameraX(m), -2);
           }},
          {0.15,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1);
               EXPECT_EQ(m.scene.CounterText->Text(), "Step:   0");
           }}}},
        {"A no-op line keeps its text and scrolls after 2D",
         {"1"},
         {"S(0)", "S(1)"},
         1,
         {{2.0, [](ShownMachine& m) { EXPECT_EQ(m.stepsEnded, 0); }},
          {2.2,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1);
               EXPECT_EQ(m.scene.InstructionText->Text(), "S(0)");
               EXPECT_EQ(m.scene.CounterText->Text(), "Step:   1");
           }}}},
        {"S at the top speed: the whole step ends inside it",
         {"0", "4"},
         {"S(2)"},
         0,
         {{0,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1);
               EXPECT_FLOAT_EQ(BallY(m, 1, 199), -2.25f);
               EXPECT_FLOAT_EQ(CameraX(m), 1) << "it stays at the focus column";
               EXPECT_EQ(m.scene.InstructionText->Text(), "");
               m.ExpectRestingStack(1);
           }}}},
        {"Z at the top speed frees the balls at once",
         {"0", "0", "3"},
         {"Z(3)"},
         0,
         {{0,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1);
               EXPECT_TRUE(m.Balls().empty());
           }}}},
        {"T at the top speed: the copy stands at once, the old balls take 1 s",
         {"5", "0", "2"},
         {"T(1,3)"},
         0,
         {{0,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1);
               m.ExpectRestingStack(2);
               EXPECT_EQ(m.Balls().size(), 12u);
           }},
          {1.05, [](ShownMachine& m) { EXPECT_EQ(m.Balls().size(), 10u); }}}},
        {"J and a comment at the top speed end inside the step",
         {"20", "3"},
         {"/ c", "J(1,2,1)"},
         0,
         {{0,
           [](ShownMachine& m) {
               EXPECT_EQ(m.stepsEnded, 1);
               m.Step(0);
               EXPECT_EQ(m.stepsEnded, 2);
               EXPECT_FALSE(m.scene.ComparisonPlane->Visible());
               EXPECT_FLOAT_EQ(m.scene.ComparisonPlane->Position.Z(), 5);
           }}}},
    };
    for (const TimelineCase& c : cases)
        RunTimeline(c);
}

} // namespace
} // namespace tessivar::scene::testing
