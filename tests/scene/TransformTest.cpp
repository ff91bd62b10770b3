#include "ManualClock.h"
#include "Stage.h"

#include <cmath>

namespace tessivar::scene::testing {
namespace {

void ExpectNear(const Vector3& actual, const Vector3& expected, float tolerance, const char* what = "")
{
    EXPECT_NEAR(actual.X, expected.X, tolerance) << what;
    EXPECT_NEAR(actual.Y, expected.Y, tolerance) << what;
    EXPECT_NEAR(actual.Z, expected.Z, tolerance) << what;
}

// Clip-space point of a scene point, divided by w.
Vector3 Project(const Camera& camera, float aspect, const Vector3& p)
{
    const Matrix4 m = camera.ViewMatrix() * camera.ProjectionMatrix(aspect);
    const Vector3 clip = m.TransformPoint(p);
    const float w = p.X * m.m[0][3] + p.Y * m.m[1][3] + p.Z * m.m[2][3] + m.m[3][3];
    return clip * (1 / w);
}

TEST(Rotation, TurnsLocalAxesAsTheSceneDoes)
{
    const float c = std::cos(0.5f), s = std::sin(0.5f); // 0.5 rad in degrees below
    const float degrees = 0.5f * 180 / 3.14159265f;
    const struct {
        const char* name;
        Vector3 angles;
        Vector3 axis;
        Vector3 expected;
    } cases[] = {
        {"X turns +Y", {degrees, 0, 0}, {0, 1, 0}, {0, c, s}},
        {"X turns +Z", {degrees, 0, 0}, {0, 0, 1}, {0, -s, c}},
        {"Y turns +Z", {0, degrees, 0}, {0, 0, 1}, {s, 0, c}},
        {"Z turns +X", {0, 0, degrees}, {1, 0, 0}, {c, s, 0}},
        {"345 about X tips forward down", {345, 0, 0}, {0, 0, 1}, {0, 0.258819f, 0.965926f}},
    };
    for (const auto& test : cases)
        ExpectNear(Matrix4::Rotation(test.angles).TransformDirection(test.axis), test.expected, 1e-5f, test.name);
}

TEST(Rotation, OrderMatchesTheStoredOrientationOfTheLight)
{
    // The orientation stored for X 290 and Y 30: Y turns first, then X.
    const Quaternion stored{0.554032504558563f, -0.212012127041817f, 0.148452565073967f, -0.791239976882935f};
    const Matrix4 expected = stored.ToMatrix();
    const Matrix4 actual = Matrix4::Rotation({290, 30, 0});
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_NEAR(actual.m[row][column], expected.m[row][column], 1e-5f) << row << ',' << column;
    ExpectNear(actual.TransformDirection({0, 0, 1}), {0.5f, 0.814f, 0.296f}, 1e-3f);
}

TEST(Transform, ScaleThenRotateThenMoveThenParent)
{
    Group parent(nullptr);
    parent.Position.SetPoint({0, 5, 0});
    auto* child = new Group(&parent);
    child->SetParent(&parent);
    child->Scale.SetPoint({2, 1, 1});
    child->RotationAngle.SetY(90);
    child->Position.SetPoint({1, 0, 0});
    // (1,0,0) scaled to (2,0,0), turned about Y to (0,0,-2), moved, carried.
    ExpectNear(child->LocalToAbsolute({1, 0, 0}), {1, 5, -2}, 1e-5f);
}

TEST(Transform, AffineInverseUndoesTheMatrix)
{
    const Matrix4 m
        = Matrix4::Scaling({2, 0.5f, 1}) * Matrix4::Rotation({30, 40, 50}) * Matrix4::Translation({1, 2, 3});
    const Matrix4 product = m * m.AffineInverse();
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            EXPECT_NEAR(product.m[row][column], row == column ? 1 : 0, 1e-5f) << row << ',' << column;
}

class StageTransformTest : public ::testing::Test {
protected:
    ManualClockDriver driver;
    AnimationClock clock{driver};
    Stage scene{clock};
};

TEST_F(StageTransformTest, EyeSitsAboveAndLooksDownFifteenDegrees)
{
    ExpectNear(scene.ViewCamera->EyePosition(), {-2, -2.588f, -9.659f}, 1e-3f);
    ExpectNear(scene.ViewCamera->LookDirection(), {0, 0.259f, 0.966f}, 1e-3f);
}

TEST_F(StageTransformTest, FarEndOfThePanMovesOnlyX)
{
    scene.ViewCamera->Position.SetX(7);
    ExpectNear(scene.ViewCamera->EyePosition(), {7, -2.588f, -9.659f}, 1e-3f);
    ExpectNear(scene.ViewCamera->LookDirection(), {0, 0.259f, 0.966f}, 1e-3f);
}

TEST_F(StageTransformTest, BarCentreInSceneCoordinates)
{
    ExpectNear(scene.ListingFrame->LocalToAbsolute({-3, -47, 0}), {-3.6f, 1.14f, 1.384f}, 1e-3f);
    ExpectNear(scene.HighlightBar->LocalToAbsolute({0, 0, 0}), {-3.6f, 1.14f, 1.384f}, 1e-3f);
}

TEST_F(StageTransformTest, LightTravelsDownRightAndAway)
{
    ExpectNear(scene.MainLight->Direction(), {0.5f, 0.814f, 0.296f}, 1e-3f);
}

TEST_F(StageTransformTest, ComparisonPlaneHeightIsItsZInTheGrid)
{
    scene.ComparisonPlane->Position.SetZ(5);
    ExpectNear(scene.ComparisonPlane->LocalToAbsolute({0, 0, 0}), {49, -5, 0}, 1e-4f);
}

TEST_F(StageTransformTest, ViewPutsTheEyeAtTheOriginLookingAlongZ)
{
    const Matrix4 view = scene.ViewCamera->ViewMatrix();
    ExpectNear(view.TransformPoint(scene.ViewCamera->EyePosition()), {0, 0, 0}, 1e-4f);
    ExpectNear(view.TransformDirection(scene.ViewCamera->LookDirection()), {0, 0, 1}, 1e-5f);
}

TEST_F(StageTransformTest, ProjectionHasTheFieldOfViewAndTheClipPlanes)
{
    const Camera& camera = *scene.ViewCamera;
    const Matrix4 toScene = camera.AbsoluteMatrix();
    const float aspect = 736.0f / 602.0f;
    const float halfHeight = std::tan(22.5f * 3.14159265f / 180);
    const struct {
        const char* name;
        Vector3 inCamera;
        Vector3 ndc;
    } cases[] = {
        {"ahead at the near plane", {0, 0, Camera::NearPlane}, {0, 0, -1}},
        {"ahead at the far plane", {0, 0, Camera::FarPlane}, {0, 0, 1}},
        {"top edge (up is -Y)", {0, -10 * halfHeight, 10}, {0, 1, 0}},
        {"right edge", {10 * halfHeight * aspect, 0, 10}, {1, 0, 0}},
    };
    for (const auto& test : cases) {
        const Vector3 ndc = Project(camera, aspect, toScene.TransformPoint(test.inCamera));
        EXPECT_NEAR(ndc.X, test.ndc.X, 1e-3f) << test.name;
        EXPECT_NEAR(ndc.Y, test.ndc.Y, 1e-3f) << test.name;
        if (test.ndc.Z != 0) {
            EXPECT_NEAR(ndc.Z, test.ndc.Z, 1e-3f) << test.name;
        }
    }
    EXPECT_EQ(camera.AngleOfView(), 45);
}

} // namespace
} // namespace tessivar::scene::testing
