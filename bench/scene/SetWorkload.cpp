#include "SetWorkload.h"

namespace tessivar::scene::bench {

namespace {

// The end handler the window gives copied animations: run Tag more times,
// then free the copy.
void RepeatOrFreeAnimation(void*, TFmxObject* sender)
{
    auto* animation = static_cast<TFloatAnimation*>(sender);
    if (animation->Tag <= 0) {
        delete animation;
        return;
    }
    --animation->Tag;
    animation->SetDelay(0);
    animation->Start();
}

Vector3 BallPlace(int register_, long long value, long long position)
{
    constexpr float TemplateScaleY = 0.5f;
    return {static_cast<float>(register_), -(static_cast<float>(position % 10) + 0.5f) * TemplateScaleY,
            static_cast<float>((value - 1) / 10 - position / 10)};
}

} // namespace

ShownScene::ShownScene()
{
    scene.BuildRegisterLabels();
    Advance(0.01); // the template's spin stops unseen
}

void ShownScene::Advance(double seconds)
{
    driver.now += seconds;
    clock.OnTimer();
}

std::vector<TSphere*> BuildAllStacks(DesignScene& scene, int registers)
{
    const TNotifyEvent repeatOrFree(&RepeatOrFreeAnimation, nullptr);
    std::vector<TSphere*> balls;
    balls.reserve(static_cast<std::size_t>(registers) * SlotsPerRegister);
    int ballCounter = 0;
    for (int r = 0; r < registers; ++r) {
        const long long value = SlotsPerRegister;
        for (int j = 0; j < SlotsPerRegister; ++j) {
            const long long m = j + value - SlotsPerRegister;
            auto* ball = scene.Sphere1->CloneAs<TSphere>(&scene.Form);
            ball->SetParent(scene.Sphere1->Parent());
            const Vector3 place = BallPlace(r, value, m);
            ball->Position.SetX(place.X);
            ball->Position.SetY(place.Y);
            ball->Position.SetZ(place.Z);
            ball->SetVisible(true);

            auto* spin = scene.FloatAnimation1->CloneAs<TFloatAnimation>(&scene.Form);
            spin->SetParent(ball);
            spin->SetDelay(static_cast<float>(ballCounter % 7) / 7);
            spin->SetLoop(false);
            spin->Tag = 30;
            spin->OnFinish = repeatOrFree;
            ++ballCounter;
            spin->Start();

            auto* drop = scene.FloatAnimation2->CloneAs<TFloatAnimation>(&scene.Form);
            drop->SetParent(ball);
            drop->SetStartValue(ball->Position.Y() - 5);
            drop->SetStopValue(ball->Position.Y());
            drop->OnFinish = repeatOrFree;
            drop->Start();
            balls.push_back(ball);
        }
    }
    return balls;
}

void FreeBalls(std::vector<TSphere*>& balls)
{
    for (TSphere*& ball : balls) {
        delete ball;
        ball = nullptr;
    }
    balls.clear();
}

} // namespace tessivar::scene::bench
