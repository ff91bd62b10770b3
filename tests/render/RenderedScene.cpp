#include "RenderedScene.h"

#include "BallLayout.h"
#include "ThreadDeadline.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <cstdlib>

namespace tessivar::render::testing {

RenderedScene::RenderedScene(FrameThreading threading)
{
    design_.BuildRegisterLabels();
    view_ = std::make_unique<SceneView>(design_.Root);
    view_->SetThreading(threading);
    view_->resize(Width, Height);
    view_->show();
    (void)QTest::qWaitForWindowExposed(view_.get());
}

RenderedScene::~RenderedScene()
{
    const ThreadDeadline deadline("render thread did not stop with its view");
    view_.reset();
}

scene::Ball* RenderedScene::AddBall(int registerIndex, long long value, long long position)
{
    auto* ball = design_.BallTemplate->CloneAs<scene::Ball>(&design_.Owner);
    ball->SetParent(design_.BallTemplate->Parent());
    ball->Position.SetPoint(scene::BallPosition(registerIndex, value, position, design_.BallTemplate->Scale.Y()));
    ball->SetVisible(true);
    return ball;
}

QImage RenderedScene::Frame()
{
    EXPECT_TRUE(FinishedInTime(view_->DrawNow(kThreadDeadline), design_.Root->Revision(), kThreadDeadline));
    return view_->grab().toImage();
}

QPointF RenderedScene::Project(const scene::Vector3& point) const
{
    const scene::Camera& camera = *design_.ViewCamera;
    const scene::Matrix4 viewProjection
        = camera.ViewMatrix() * camera.ProjectionMatrix(static_cast<float>(Width) / static_cast<float>(Height));
    const auto& m = viewProjection.m;
    const auto clip = [&](int j) { return point.X * m[0][j] + point.Y * m[1][j] + point.Z * m[2][j] + m[3][j]; };
    const double w = clip(3);
    return {(clip(0) / w + 1) / 2 * Width, (1 - clip(1) / w) / 2 * Height};
}

double RenderedScene::ProjectedRadius(const scene::Vector3& centre, float radius) const
{
    // Across the view, the sphere's outline is about as wide as the projection
    // of a segment through the centre perpendicular to the line of sight.
    const scene::Vector3 eye = design_.ViewCamera->EyePosition();
    const scene::Vector3 toCentre = centre - eye;
    const scene::Vector3 side = scene::Vector3{toCentre.Z, 0, -toCentre.X}.Normalized() * radius;
    const QPointF a = Project(centre - side), b = Project(centre + side);
    return std::hypot(a.x() - b.x(), a.y() - b.y()) / 2;
}

int ChannelDistance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace tessivar::render::testing
