#include "ManualClock.h"

namespace tessivar::scene::testing {
namespace {

// The finish handlers of the window, as the balls use them: count Tag down
// and run again, or free the animation; or free the ball it moved.
struct BallHandlers {
    int freedAnimations = 0;
    int freedBalls = 0;

    void RepeatOrFreeAnimation(SceneObject* sender)
    {
        auto* animation = static_cast<FloatAnimation*>(sender);
        if (animation->Tag <= 0) {
            ++freedAnimations;
            delete animation;
            return;
        }
        --animation->Tag;
        animation->SetDelay(0);
        animation->Start();
    }

    void FreeAnimatedBall(SceneObject* sender)
    {
        ++freedBalls;
        delete sender->Parent();
    }
};

class ReentrancyTest : public SceneTest {
protected:
    BallHandlers handlers;
    Group* ball = MakeObject();

    FloatAnimation* Animate(float duration, FinishHandler onFinish, const char* path = "Position.X")
    {
        FloatAnimation* animation = MakeAnimation(ball, 0, 10, duration, path);
        animation->OnFinish = onFinish;
        return animation;
    }
    FinishHandler RepeatOrFree() { return FinishHandler::Of<&BallHandlers::RepeatOrFreeAnimation>(&handlers); }
    FinishHandler FreeBall() { return FinishHandler::Of<&BallHandlers::FreeAnimatedBall>(&handlers); }
};

TEST_F(ReentrancyTest, HandlerRestartsItsAnimationInsideAClockPass)
{
    FloatAnimation* animation = Animate(1, RepeatOrFree());
    animation->Tag = 2;
    animation->Start();
    Advance(1); // first run ends, restarted from the handler
    EXPECT_TRUE(animation->Running());
    EXPECT_EQ(animation->Tag, 1);
    EXPECT_EQ(ball->Position.X(), 0); // start value applied at once
    EXPECT_EQ(clock.Count(), 1u);
    Advance(0.5); // ticking resumed at the next event
    EXPECT_EQ(ball->Position.X(), 5);
    Advance(0.5);
    Advance(1);
    EXPECT_EQ(handlers.freedAnimations, 1); // three runs, then it freed itself
    EXPECT_EQ(ball->ChildCount(), 0u);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST_F(ReentrancyTest, HandlerFreesItsAnimationInsideAClockPass)
{
    FloatAnimation* older = Animate(2, {}, "Position.Y");
    older->Start();
    Animate(1, RepeatOrFree())->Start();
    Advance(1.5);
    EXPECT_EQ(handlers.freedAnimations, 1);
    EXPECT_EQ(ball->ChildCount(), 1u);
    EXPECT_TRUE(older->Running());
    EXPECT_FLOAT_EQ(ball->Position.Y(), 7.5f); // the pass went on past the freed one
}

TEST_F(ReentrancyTest, HandlerFreesTheParentInsideAClockPass)
{
    // The ball carries a spin and a fall; the fall frees the ball while the
    // spin, older and not yet ticked in this pass, is still registered.
    FloatAnimation* spin = Animate(5, {}, "RotationAngle.Y");
    spin->Start();
    Animate(1, FreeBall(), "Position.Y")->Start();
    FloatAnimation* elsewhere = MakeAnimation(MakeObject(), 0, 10, 4);
    elsewhere->Start();

    Advance(1);
    EXPECT_EQ(handlers.freedBalls, 1);
    EXPECT_EQ(clock.Count(), 1u);
    EXPECT_TRUE(elsewhere->Running());
    Advance(1);
    EXPECT_FLOAT_EQ(elsewhere->CurrentTime(), 2);
}

TEST_F(ReentrancyTest, HandlerFreesAnOlderAnimationBeforeItsTurn)
{
    Group* other = MakeObject();
    FloatAnimation* older = MakeAnimation(other, 0, 10, 5);
    older->Start();
    auto freeOlder = [&](SceneObject*) { delete other; };
    Animate(1, FinishHandler::Calling(&freeOlder))->Start();
    Advance(1);
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_FALSE(driver.timerOn);
}

TEST_F(ReentrancyTest, HandlerFreesItsAnimationInsideStart)
{
    FloatAnimation* animation = Animate(0, RepeatOrFree());
    animation->Start(); // immediate run: freed before Start returns
    EXPECT_EQ(handlers.freedAnimations, 1);
    EXPECT_EQ(ball->ChildCount(), 0u);
    EXPECT_EQ(ball->Position.X(), 10);
}

TEST_F(ReentrancyTest, HandlerRestartsItsAnimationInsideStart)
{
    // At the top speed a spin's 31 runs all happen inside one Start.
    FloatAnimation* animation = Animate(0, RepeatOrFree());
    animation->Tag = 30;
    int runs = 0;
    auto countRuns = [&](SceneObject* sender) {
        ++runs;
        handlers.RepeatOrFreeAnimation(sender);
    };
    animation->OnFinish = FinishHandler::Calling(&countRuns);
    animation->Start();
    EXPECT_EQ(runs, 31);
    EXPECT_EQ(handlers.freedAnimations, 1);
    EXPECT_EQ(ball->ChildCount(), 0u);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST_F(ReentrancyTest, HandlerFreesTheParentInsideStart)
{
    FloatAnimation* spin = Animate(2, {}, "RotationAngle.Y");
    spin->Start();
    Animate(0, FreeBall(), "Position.Y")->Start();
    EXPECT_EQ(handlers.freedBalls, 1);
    EXPECT_EQ(clock.Count(), 0u); // the spin went with its ball
    EXPECT_EQ(view->ChildCount(), 0u);
}

TEST_F(ReentrancyTest, HandlerFreesTheParentWhenAHiddenParentStopsIt)
{
    Animate(1, FreeBall())->Start();
    ball->SetVisible(false);
    Advance(0.25);
    EXPECT_EQ(handlers.freedBalls, 1);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST_F(ReentrancyTest, HandlerRestartsAfterStopWithTheTargetResolvedAgain)
{
    FloatAnimation* animation = Animate(1, {});
    auto restart = [&](SceneObject*) {
        if (animation->StopValue() == 10) {
            animation->SetStopValue(20);
            animation->Start();
        }
    };
    animation->OnFinish = FinishHandler::Calling(&restart);
    animation->Start();
    animation->Stop();
    EXPECT_TRUE(animation->Running());
    EXPECT_TRUE(animation->TargetResolved());
    Advance(0.5);
    EXPECT_EQ(ball->Position.X(), 10);
}

TEST_F(ReentrancyTest, HandlerFreesItsAnimationFromStop)
{
    FloatAnimation* animation = Animate(1, RepeatOrFree());
    animation->Start();
    animation->Stop();
    EXPECT_EQ(handlers.freedAnimations, 1);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST_F(ReentrancyTest, FreeingAParentTakesRunningAnimationsOffWithoutOnFinish)
{
    FinishLog finished;
    for (const char* path : {"Position.X", "Position.Y", "RotationAngle.Y"}) {
        FloatAnimation* animation = Animate(1, finished.Handler(), path);
        animation->Start();
    }
    Group* child = MakeObject(ball);
    FloatAnimation* nested = MakeAnimation(child, 0, 1, 1);
    nested->OnFinish = finished.Handler();
    nested->Start();
    EXPECT_EQ(clock.Count(), 4u);

    delete ball;
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_TRUE(finished.senders.empty());
    Advance(2);
    EXPECT_TRUE(finished.senders.empty());
}

TEST_F(ReentrancyTest, ManyBallsFreeEachOtherWithinOnePass)
{
    // Each fall frees its ball; a second animation on every ball goes with it.
    for (int i = 0; i < 200; ++i) {
        Group* each = MakeObject();
        FloatAnimation* fall = MakeAnimation(each, 0, 50, 1 + (i % 3) * 0.25f, "Position.Y");
        fall->OnFinish = FreeBall();
        fall->Start();
        MakeAnimation(each, 0, 360, 10, "RotationAngle.Y")->Start();
    }
    Advance(1.1);
    Advance(0.2);
    Advance(0.2);
    EXPECT_EQ(handlers.freedBalls, 200);
    EXPECT_EQ(view->ChildCount(), 1u); // only the fixture's ball is left
    EXPECT_EQ(clock.Count(), 0u);
}

} // namespace
} // namespace tessivar::scene::testing
