#include "BallInstance.h"
#include "Frustum.h"
#include "SphereMesh.h"

#include "Camera.h"
#include "Stage.h"
#include "StillClockDriver.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessivar::render {
namespace {

void ExpectNear(const scene::Vector3& actual, const scene::Vector3& expected)
{
    EXPECT_NEAR(actual.X, expected.X, 1e-5);
    EXPECT_NEAR(actual.Y, expected.Y, 1e-5);
    EXPECT_NEAR(actual.Z, expected.Z, 1e-5);
}

TEST(SphereMesh, TextureCoordinatesRunAroundAndDown)
{
    struct Case {
        float u, v;
        scene::Vector3 direction;
    };
    for (const Case& c : {Case{0.5F, 0.5F, {0, 0, -1}}, Case{0.75F, 0.5F, {1, 0, 0}}, Case{0.25F, 0.5F, {-1, 0, 0}},
                          Case{0.0F, 0.5F, {0, 0, 1}}, Case{0.3F, 0.0F, {0, -1, 0}}, Case{0.3F, 1.0F, {0, 1, 0}}}) {
        SCOPED_TRACE(::testing::Message() << "u " << c.u << " v " << c.v);
        ExpectNear(SphereDirection(c.u, c.v), c.direction);
    }
}

TEST(SphereMesh, SixteenByTwelveTrianglesFaceOutwards)
{
    const std::vector<SphereVertex> mesh = SphereMesh(16, 12);
    // Two triangles per cell, less one per cell at each pole.
    EXPECT_EQ(mesh.size(), 3u * (2 * 16 * 12 - 2 * 16));
    for (std::size_t i = 0; i < mesh.size(); i += 3) {
        const SphereVertex &a = mesh[i], &b = mesh[i + 1], &c = mesh[i + 2];
        const scene::Vector3 ab{b.X - a.X, b.Y - a.Y, b.Z - a.Z}, ac{c.X - a.X, c.Y - a.Y, c.Z - a.Z};
        const scene::Vector3 normal{ab.Y * ac.Z - ab.Z * ac.Y, ab.Z * ac.X - ab.X * ac.Z, ab.X * ac.Y - ab.Y * ac.X};
        EXPECT_GT(normal.X * (a.X + b.X + c.X) + normal.Y * (a.Y + b.Y + c.Y) + normal.Z * (a.Z + b.Z + c.Z), 0);
        for (const SphereVertex* v : {&a, &b, &c}) {
            EXPECT_NEAR(std::hypot(v->X, v->Y, v->Z), 1, 1e-5);
            ExpectNear(SphereDirection(v->U, v->V), {v->X, v->Y, v->Z});
        }
    }
}

TEST(BallInstance, TakesCentreRadiusAndSpinFromTheWorldMatrix)
{
    scene::SceneOwner owner;
    auto* ball = new scene::Ball(&owner);
    ball->Scale.SetPoint({0.5F, 0.5F, 0.5F});
    ball->Position.SetPoint({3, -0.25F, 2});
    ball->RotationAngle.SetY(90);
    const BallInstance instance = BallInstanceOf(ball->Width(), ball->AbsoluteMatrix());
    ExpectNear(instance.Centre(), {3, -0.25F, 2});
    EXPECT_NEAR(instance.Radius, 0.25F, 1e-6);
    ExpectNear({instance.YX, instance.YY, instance.YZ}, {0, 1, 0});
    // Turned 90 degrees about Y, local +Z points along scene +X.
    ExpectNear({instance.ZX, instance.ZY, instance.ZZ}, {1, 0, 0});
}

TEST(BallInstance, SortNearestFirstOrdersByDistanceFromTheEye)
{
    const auto at = [](float x, float y, float z) { return BallInstance{x, y, z, 0.25F, 0, 1, 0, 0, 0, 1}; };
    std::vector<BallInstance> balls{at(0, 0, 19), at(5, 0, 0), at(0, -4, 3), at(0, 0, 0), at(-30, 0, -9)};
    SortNearestFirst(balls, {0, 0, -10});
    const float expectedX[] = {0, 5, 0, 0, -30};
    const float expectedZ[] = {0, 0, 3, 19, -9};
    ASSERT_EQ(balls.size(), 5u);
    for (std::size_t i = 0; i < balls.size(); ++i) {
        EXPECT_EQ(balls[i].CX, expectedX[i]) << i;
        EXPECT_EQ(balls[i].CZ, expectedZ[i]) << i;
    }
}

TEST(Frustum, TellsWhichBallsCanShowThroughTheViewCamera)
{
    testing::StillClockDriver driver;
    scene::AnimationClock clock(driver);
    scene::Stage design(clock);
    const scene::Camera& camera = *design.ViewCamera;
    const Frustum view(camera.ViewMatrix() * camera.ProjectionMatrix(736.0F / 602.0F));

    struct Case {
        const char* name;
        scene::Vector3 centre;
        float radius;
        bool touches;
    };
    const Case cases[] = {
        {"R(1)'s first ball", {0, -0.25F, 0}, 0.25F, true},      {"behind the eye", {-2, -2.6F, -20}, 0.25F, false},
        {"beyond the far plane", {-2, 250, 1100}, 0.25F, false}, {"far to the right", {98, -0.25F, 0}, 0.25F, false},
        {"far to the left", {-30, -0.25F, 0}, 0.25F, false},     {"below the view", {0, 30, 0}, 0.25F, false},
        {"big enough to reach in", {0, 30, 0}, 40, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(view.Touches(c.centre, c.radius), c.touches) << c.name;
        EXPECT_TRUE(Frustum::Everything().Touches(c.centre, c.radius)) << c.name;
    }
}

} // namespace
} // namespace tessivar::render
