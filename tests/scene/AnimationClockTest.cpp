#include "ManualClock.h"

#include <memory>
#include <string>

namespace tessivar::scene::testing {
namespace {

using AnimationClockTest = SceneTest;

TEST_F(AnimationClockTest, TimerRunsOnlyWhileAnAnimationIsRegistered)
{
    EXPECT_FALSE(driver.timerOn);
    FloatAnimation* first = MakeAnimation(MakeObject(), 0, 1, 1);
    FloatAnimation* second = MakeAnimation(MakeObject(), 0, 1, 2);

    first->Start();
    EXPECT_TRUE(driver.timerOn);
    EXPECT_EQ(driver.interval, 10);
    second->Start();
    EXPECT_EQ(driver.starts, 1);

    Advance(1); // the first ends
    EXPECT_TRUE(driver.timerOn);
    second->Stop();
    EXPECT_FALSE(driver.timerOn);
    EXPECT_FALSE(clock.TimerRunning());
    EXPECT_EQ(driver.stops, 1);
}

TEST_F(AnimationClockTest, FreeingTheLastAnimationStopsTheTimer)
{
    Group* object = MakeObject();
    MakeAnimation(object, 0, 1, 1)->Start();
    MakeAnimation(object, 0, 1, 1, "Position.Y")->Start();
    EXPECT_EQ(clock.Count(), 2u);
    delete object;
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_FALSE(driver.timerOn);
}

TEST_F(AnimationClockTest, RestartResetsTheTimeReference)
{
    Group* object = MakeObject();
    FloatAnimation* animation = MakeAnimation(object, 0, 100, 100);
    MakeAnimation(MakeObject(), 0, 1, 0.5f)->Start();
    Advance(1);
    ASSERT_FALSE(driver.timerOn);

    driver.now += 50; // the clock is off: nothing measures this
    animation->Start();
    Advance(0.25);
    EXPECT_FLOAT_EQ(object->Position.X(), 0.25f);
}

TEST_F(AnimationClockTest, ElapsedTimeNotPositiveDoesNothing)
{
    Group* object = MakeObject();
    FloatAnimation* animation = MakeAnimation(object, 0, 10, 1);
    animation->Start();
    Advance(0.25);
    EXPECT_FLOAT_EQ(object->Position.X(), 2.5f);

    clock.OnTimer(); // no time has passed
    EXPECT_FLOAT_EQ(object->Position.X(), 2.5f);
    Advance(-0.5); // the monotonic source stepped back
    EXPECT_FLOAT_EQ(object->Position.X(), 2.5f);
    EXPECT_EQ(animation->CurrentTime(), 0.25f);

    // Time is measured from the last event, even a backward one.
    Advance(0.25);
    EXPECT_FLOAT_EQ(object->Position.X(), 5);
}

TEST_F(AnimationClockTest, TicksTheNewestRegisteredFirst)
{
    std::string order;
    auto record = [&](SceneObject* sender) { order += sender->Name.Str(); };
    for (const char* name : {"A", "B", "C"}) {
        FloatAnimation* animation = MakeAnimation(MakeObject(), 0, 1, 1);
        animation->Name = name;
        animation->OnFinish = FinishHandler::Calling(&record);
        animation->Start();
    }
    Advance(1);
    EXPECT_EQ(order, "CBA");
}

TEST_F(AnimationClockTest, RestartMovesAnAnimationToTheNewestPlace)
{
    // Stop and Start register again; a running restart keeps its place.
    std::string order;
    auto record = [&](SceneObject* sender) { order += sender->Name.Str(); };
    FloatAnimation* animations[3];
    for (int i = 0; i < 3; ++i) {
        animations[i] = MakeAnimation(MakeObject(), 0, 1, 1);
        animations[i]->Name = std::string(1, static_cast<char>('A' + i));
        animations[i]->Start();
    }
    animations[0]->Stop();
    animations[0]->Start();
    animations[2]->Start();
    for (FloatAnimation* animation : animations)
        animation->OnFinish = FinishHandler::Calling(&record);
    Advance(1);
    EXPECT_EQ(order, "ACB");
}

TEST_F(AnimationClockTest, AnimationStartedDuringAPassWaitsForTheNextEvent)
{
    Group* later = MakeObject();
    FloatAnimation* starter = MakeAnimation(MakeObject(), 0, 1, 0.5f);
    FloatAnimation* started = MakeAnimation(later, 0, 10, 1);
    auto startOther = [&](SceneObject*) { started->Start(); };
    starter->OnFinish = FinishHandler::Calling(&startOther);
    starter->Start();

    Advance(0.5);
    EXPECT_TRUE(started->Running());
    EXPECT_EQ(later->Position.X(), 0);
    EXPECT_EQ(started->CurrentTime(), 0);
    Advance(0.25);
    EXPECT_FLOAT_EQ(later->Position.X(), 2.5f);
}

TEST_F(AnimationClockTest, ManyStartsAndStopsOutsideAPassKeepTheOrder)
{
    // Leavers outside a pass are swept out between passes; order survives.
    std::string order;
    auto record = [&](SceneObject* sender) { order += sender->Name.Str(); };
    FloatAnimation* kept[2];
    for (int i = 0; i < 2; ++i) {
        kept[i] = MakeAnimation(MakeObject(), 0, 1, 1);
        kept[i]->Name = i == 0 ? "A" : "B";
        kept[i]->OnFinish = FinishHandler::Calling(&record);
        kept[i]->Start();
    }
    FloatAnimation* churn = MakeAnimation(MakeObject(), 0, 1, 1);
    for (int i = 0; i < 1000; ++i) {
        churn->Start();
        churn->Stop();
    }
    EXPECT_EQ(clock.Count(), 2u);
    Advance(1);
    EXPECT_EQ(order, "BA");
}

TEST_F(AnimationClockTest, ClockFreedBeforeItsAnimationsLetsThemGo)
{
    auto local = std::make_unique<AnimationClock>(driver);
    auto* otherView = new SceneRoot(&form);
    otherView->SetClock(local.get());
    auto* object = new Group(&form);
    object->SetParent(otherView);
    FloatAnimation* animation = MakeAnimation(object, 0, 1, 1);
    animation->Start();
    driver.now += 0.25;
    local->OnTimer();
    animation->SetStopValue(5);
    otherView->SetClock(nullptr);
    local.reset();
    EXPECT_FALSE(driver.timerOn);
    EXPECT_FALSE(animation->Running());
    // The run comes back to the animation with what was written to it.
    EXPECT_EQ(animation->StopValue(), 5);
    EXPECT_EQ(animation->CurrentTime(), 0.25f);
    delete object; // must not reach the freed clock
}

} // namespace
} // namespace tessivar::scene::testing
