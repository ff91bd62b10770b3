#include "BallScene.h"

#include "BallLayout.h"

#include <QTest>

#include <benchmark/benchmark.h>

namespace tessivar::render::bench {

BallScene::BallScene(int registers, scene::Vector3 camera, BallDrawing drawing)
{
    design_.BuildRegisterLabels();
    design_.ListingText->SetWidth(35);
    design_.HighlightBar->SetWidth(35);
    design_.ListingText->SetText(
        "S(3)\r\nJ(1,3,6)\r\nS(2)\r\nS(3)\r\nJ(1,1,2)\r\nT(2,1)\r\n/ R(1):=R(1)-1\r\n/ 不完全");
    design_.CounterText->SetText("Step:   0");
    design_.ViewCamera->Position.SetPoint(camera);
    for (int i = 0; i < registers; ++i)
        for (int m = 0; m < 200; ++m)
            AddBall(i, 200, m);
    view_ = std::make_unique<SceneView>(design_.Root);
    view_->SetThreading(FrameThreading::ViewThread);
    view_->SetBalls(drawing);
    view_->resize(736, 602);
    view_->show();
    (void)QTest::qWaitForWindowExposed(view_.get());
    view_->grab(); // shaders, pictures and text meshes made once
}

void BallScene::DrawFrame()
{
    // Drawn on this thread, inside the call: there is nothing to wait for.
    view_->DrawNow(std::chrono::milliseconds::zero());
}

SceneFrame BallScene::Walk() const
{
    const scene::Camera& camera = *design_.ViewCamera;
    return WalkScene(*design_.Root, Frustum(camera.ViewMatrix() * camera.ProjectionMatrix(736.0F / 602.0F)));
}

FrameSnapshot BallScene::Sync()
{
    return sync_.Take(*design_.Root, 736, 602, BallDrawing::Impostors);
}

void BallScene::TurnBalls(float degrees)
{
    for (scene::Ball* ball : balls_)
        ball->RotationAngle.SetY(ball->RotationAngle.Y() + degrees);
}

std::size_t BallScene::BallsInView() const
{
    const SceneFrame frame = Walk();
    std::size_t count = 0;
    for (const BallBatch& batch : frame.Balls)
        count += batch.Balls.Instances.size() + batch.Balls.Touching.size();
    return count;
}

void BallScene::AddBall(int registerIndex, long long value, long long position)
{
    auto* ball = design_.BallTemplate->CloneAs<scene::Ball>(&design_.Owner);
    ball->SetParent(design_.Root);
    ball->Position.SetPoint(scene::BallPosition(registerIndex, value, position, design_.BallTemplate->Scale.Y()));
    ball->RotationAngle.SetY(static_cast<float>((position * 37 + registerIndex * 11) % 360));
    ball->SetVisible(true);
    balls_.push_back(ball);
}

} // namespace tessivar::render::bench
