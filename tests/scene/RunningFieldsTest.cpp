#include "ManualClock.h"

#include <functional>
#include <string>

namespace tessivar::scene::testing {
namespace {

// A running animation keeps its fields with its clock: what is written to it
// then must steer the running pass, read back, and stay after the run.
class RunningFieldsTest : public SceneTest {
protected:
    Group* object = MakeObject();
    FinishLog finished;

    // 0 to 10 over 1 s, a quarter through.
    FloatAnimation* StartedQuarterThrough()
    {
        FloatAnimation* animation = MakeAnimation(object, 0, 10, 1);
        animation->OnFinish = finished.Handler();
        animation->Start();
        Advance(0.25);
        EXPECT_FLOAT_EQ(object->Position.X(), 2.5f);
        return animation;
    }
};

TEST_F(RunningFieldsTest, WritesApplyToTheRunningPass)
{
    struct Case {
        const char* name;
        std::function<void(FloatAnimation&)> write;
        double then;
        float x;
        bool running;
    };
    const Case cases[] = {
        {"Duration shortened", [](FloatAnimation& a) { a.SetDuration(0.5f); }, 0.125, 7.5f, true},
        {"Duration below the time run", [](FloatAnimation& a) { a.SetDuration(0.125f); }, 0.125, 10, false},
        {"StopValue onto StartValue", [](FloatAnimation& a) { a.SetStopValue(a.StartValue()); }, 0.25, 0, true},
        {"StartValue", [](FloatAnimation& a) { a.SetStartValue(4); }, 0.25, 7, true},
        {"Loop switched on", [](FloatAnimation& a) { a.SetLoop(true); }, 1, 0, true},
        {"AutoReverse switched on", [](FloatAnimation& a) { a.SetAutoReverse(true); }, 1, 10, true},
        {"Inverse switched on", [](FloatAnimation& a) { a.SetInverse(true); }, 0.125, 1.25f, true},
        {"Bounce easing",
         [](FloatAnimation& a) {
             a.SetInterpolation(EasingCurve::Bounce);
             a.SetAnimationType(EasingMode::Out);
         },
         0.25, 10 * (49.0f / 64), true},
    };
    for (const Case& c : cases) {
        finished.senders.clear();
        FloatAnimation* animation = StartedQuarterThrough();
        c.write(*animation);
        Advance(c.then);
        EXPECT_FLOAT_EQ(object->Position.X(), c.x) << c.name;
        EXPECT_EQ(animation->Running(), c.running) << c.name;
        EXPECT_EQ(finished.senders.size(), c.running ? 0u : 1u) << c.name;
        delete animation;
    }
}

TEST_F(RunningFieldsTest, FieldsWrittenWhileRunningReadBackAndOutliveTheRun)
{
    FloatAnimation* animation = StartedQuarterThrough();
    animation->SetStartValue(1);
    animation->SetStopValue(2);
    animation->SetDuration(3);
    animation->SetDelay(4);
    animation->SetLoop(true);
    animation->SetAutoReverse(true);
    animation->SetInverse(true);
    animation->SetInterpolation(EasingCurve::Bounce);
    animation->SetAnimationType(EasingMode::InOut);
    const auto expectWritten = [&](const char* when) {
        EXPECT_EQ(animation->StartValue(), 1) << when;
        EXPECT_EQ(animation->StopValue(), 2) << when;
        EXPECT_EQ(animation->Duration(), 3) << when;
        EXPECT_EQ(animation->Delay(), 4) << when;
        EXPECT_TRUE(animation->Loop()) << when;
        EXPECT_TRUE(animation->AutoReverse()) << when;
        EXPECT_TRUE(animation->Inverse()) << when;
        EXPECT_EQ(animation->Interpolation(), EasingCurve::Bounce) << when;
        EXPECT_EQ(animation->AnimationType(), EasingMode::InOut) << when;
    };
    expectWritten("running");
    EXPECT_EQ(animation->CurrentTime(), 0.25f);
    animation->Stop();
    expectWritten("stopped");
    EXPECT_EQ(animation->CurrentTime(), 0); // the StartValue end of an inverse run
    EXPECT_FLOAT_EQ(object->Position.X(), 1);
}

TEST_F(RunningFieldsTest, RunStateChangedByTicksReadsBackWhileRunningAndAfter)
{
    FloatAnimation* animation = MakeAnimation(object, 0, 10, 1);
    animation->SetAutoReverse(true);
    animation->SetDelay(0.5f);
    animation->Start();
    Advance(0.25);
    EXPECT_EQ(animation->RemainingDelay(), 0.25f);
    Advance(0.25);
    EXPECT_EQ(animation->RemainingDelay(), 0);
    Advance(1.25); // turned at the far end
    EXPECT_TRUE(animation->Inverse());
    EXPECT_EQ(animation->ReversalCount(), 1);
    EXPECT_EQ(animation->CurrentTime(), 1);
    Advance(0.5);
    EXPECT_EQ(animation->CurrentTime(), 0.5f);
    Advance(0.5);
    EXPECT_FALSE(animation->Running());
    EXPECT_TRUE(animation->Inverse());
    EXPECT_EQ(animation->ReversalCount(), 1);
    EXPECT_EQ(animation->CurrentTime(), 0);
}

TEST_F(RunningFieldsTest, CloneOfARunningAnimationCopiesItsLiveFields)
{
    FloatAnimation* source = MakeAnimation(object, 0, 10, 1);
    source->SetLoop(true);
    source->SetAutoReverse(true);
    source->Start();
    Advance(1.25); // the tick turned it: Inverse on
    source->SetStopValue(20);
    auto* copy = source->CloneAs<FloatAnimation>(&form);
    EXPECT_TRUE(copy->Inverse());
    EXPECT_EQ(copy->StopValue(), 20);
    EXPECT_EQ(copy->CurrentTime(), 0);
    EXPECT_FALSE(copy->Running());

    // The copy has a run of its own: writing to it leaves the source alone.
    copy->SetDuration(5);
    EXPECT_EQ(source->Duration(), 1);
}

// Leavers leave holes in the clock's list; once they are many, the list is
// compacted and every animation's place in it moves.
TEST_F(RunningFieldsTest, AnimationsMovedByCompactionKeepTheirOwnRuns)
{
    constexpr int Count = 300;
    std::vector<Group*> objects;
    std::vector<FloatAnimation*> kept;
    auto freeParent = [](SceneObject* sender) { delete sender->Parent(); };
    for (int i = 0; i < Count; ++i) {
        Group* each = MakeObject();
        FloatAnimation* animation = MakeAnimation(each, 0, 10, i % 2 == 0 ? 0.25f : 4);
        animation->Name = std::to_string(i);
        if (i % 2 == 0) {
            animation->OnFinish = FinishHandler::Calling(&freeParent);
        } else {
            objects.push_back(each);
            kept.push_back(animation);
        }
        animation->Start();
    }
    Advance(0.5); // every other one ends and goes with its object
    ASSERT_EQ(clock.Count(), kept.size());

    // Each write must reach the moved run of its own animation.
    for (std::size_t k = 0; k < kept.size(); ++k) {
        EXPECT_EQ(kept[k]->CurrentTime(), 0.5f) << k;
        kept[k]->SetDuration(1 + static_cast<float>(k) / 64);
    }
    Advance(0.25);
    for (std::size_t k = 0; k < kept.size(); ++k)
        EXPECT_FLOAT_EQ(objects[k]->Position.X(), 10 * (0.75f / (1 + static_cast<float>(k) / 64))) << k;

    // And the order is still newest first.
    std::string order;
    auto record = [&](SceneObject* sender) { order += sender->Name.Str() + ' '; };
    std::string expected;
    for (std::size_t k = kept.size(); k-- > 0;) {
        kept[k]->OnFinish = FinishHandler::Calling(&record);
        kept[k]->SetDuration(1);
        expected += kept[k]->Name.Str() + ' ';
    }
    Advance(0.25);
    EXPECT_EQ(order, expected);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST_F(RunningFieldsTest, RemovalsAndRestartsDuringAPassAfterCompaction)
{
    // A pass in which handlers free older animations not yet ticked, restart
    // themselves at the newest place, and leave many holes behind.
    constexpr int Count = 200;
    std::vector<Group*> objects;
    std::vector<FloatAnimation*> animations;
    for (int i = 0; i < Count; ++i) {
        objects.push_back(MakeObject());
        animations.push_back(MakeAnimation(objects.back(), 0, 10, 1));
    }
    int restarts = 0;
    auto freeOlderAndRestart = [&](SceneObject* sender) {
        auto* animation = static_cast<FloatAnimation*>(sender);
        const int at = animation->Tag;
        delete objects[static_cast<std::size_t>(at - Count / 2)]; // an older one, in the first half
        objects[static_cast<std::size_t>(at - Count / 2)] = nullptr;
        animation->SetDuration(2);
        animation->OnFinish = {};
        animation->Start();
        ++restarts;
    };
    for (int i = 0; i < Count; ++i) {
        animations[static_cast<std::size_t>(i)]->Tag = i;
        if (i >= Count / 2) {
            animations[static_cast<std::size_t>(i)]->SetDuration(0.5f);
            animations[static_cast<std::size_t>(i)]->OnFinish = FinishHandler::Calling(&freeOlderAndRestart);
        }
        animations[static_cast<std::size_t>(i)]->Start();
    }
    Advance(0.5);
    EXPECT_EQ(restarts, Count / 2);
    EXPECT_EQ(clock.Count(), static_cast<std::size_t>(Count / 2));
    for (int i = Count / 2; i < Count; ++i) {
        EXPECT_EQ(objects[static_cast<std::size_t>(i)]->Position.X(), 0) << i; // restarted, not yet ticked
        EXPECT_EQ(animations[static_cast<std::size_t>(i)]->CurrentTime(), 0) << i;
    }
    Advance(1);
    for (int i = Count / 2; i < Count; ++i)
        EXPECT_FLOAT_EQ(objects[static_cast<std::size_t>(i)]->Position.X(), 5) << i;
    Advance(1);
    EXPECT_EQ(clock.Count(), 0u);
}

} // namespace
} // namespace tessivar::scene::testing
