#include "SceneWalk.h"

#include "Stage.h"
#include "StillClockDriver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessivar::render {
namespace {

class SceneWalkTest : public ::testing::Test {
protected:
    SceneWalkTest() { design.BuildRegisterLabels(); }

    SceneFrame Walk() const
    {
        const scene::Camera& camera = *design.ViewCamera;
        return WalkScene(*design.Root, Frustum(camera.ViewMatrix() * camera.ProjectionMatrix(736.0F / 602.0F)));
    }

    scene::Ball* Ball(const scene::Vector3& position)
    {
        auto* ball = design.BallTemplate->CloneAs<scene::Ball>(&design.Owner);
        ball->SetParent(design.Root);
        ball->Position.SetPoint(position);
        ball->SetVisible(true);
        return ball;
    }

    template <class T> static bool Has(const std::vector<Placed<T>>& placed, const T* object)
    {
        return std::any_of(placed.begin(), placed.end(), [&](const Placed<T>& p) { return p.Object == object; });
    }

    testing::StillClockDriver driver;
    scene::AnimationClock clock{driver};
    scene::Stage design{clock};
};

TEST_F(SceneWalkTest, StageAfterShowDrawsTheVisibleObjectsOnly)
{
    const SceneFrame frame = Walk();
    EXPECT_EQ(frame.Planes.size(), 2u);
    EXPECT_TRUE(Has(frame.Planes, static_cast<const scene::Plane*>(design.Backdrop)));
    EXPECT_TRUE(Has(frame.Planes, static_cast<const scene::Plane*>(design.HighlightBar)));
    EXPECT_FALSE(Has(frame.Planes, static_cast<const scene::Plane*>(design.ComparisonPlane)));
    // Thirteen labels, the listing, the executed instruction and the counter;
    // not the label template.
    EXPECT_EQ(frame.Texts.size(), 16u);
    EXPECT_FALSE(Has(frame.Texts, static_cast<const scene::Text3D*>(design.LabelTemplate)));
    EXPECT_TRUE(Has(frame.Texts, static_cast<const scene::Text3D*>(design.Labels[12])));
    EXPECT_EQ(frame.Grids.size(), 1u);
    EXPECT_EQ(frame.Light, design.MainLight);
    EXPECT_TRUE(frame.Balls.empty());
}

TEST_F(SceneWalkTest, ChildrenFollowTheirParentsTransform)
{
    const SceneFrame frame = Walk();
    const auto bar = std::find_if(frame.Planes.begin(), frame.Planes.end(),
                                  [&](const auto& p) { return p.Object == design.HighlightBar; });
    ASSERT_NE(bar, frame.Planes.end());
    // The bar's centre, (-3, -47, 0) in the listing frame.
    const scene::Vector3 centre = bar->World.Row(3);
    EXPECT_NEAR(centre.X, -3.6F, 1e-3);
    EXPECT_NEAR(centre.Y, 1.14F, 1e-3);
    EXPECT_NEAR(centre.Z, 1.384F, 1e-3);
}

TEST_F(SceneWalkTest, AHiddenParentHidesItsChildren)
{
    design.ListingFrame->SetVisible(false);
    const SceneFrame frame = Walk();
    EXPECT_FALSE(Has(frame.Planes, static_cast<const scene::Plane*>(design.HighlightBar)));
    EXPECT_FALSE(Has(frame.Texts, static_cast<const scene::Text3D*>(design.ListingText)));
    EXPECT_FALSE(Has(frame.Texts, static_cast<const scene::Text3D*>(design.InstructionText)));
    EXPECT_TRUE(Has(frame.Planes, static_cast<const scene::Plane*>(design.Backdrop)));
}

TEST_F(SceneWalkTest, BallsInViewGoIntoOneBatchPerMaterial)
{
    Ball({0, -2.25F, 0});
    Ball({1, -2.25F, 0});
    Ball({200, -2.25F, 0}); // far outside the view
    scene::Ball* hidden = Ball({2, -2.25F, 0});
    hidden->SetVisible(false);
    auto* flat = Ball({3, -2.25F, 0});
    flat->SetMaterialSource(design.VioletRedMaterial);

    const SceneFrame frame = Walk();
    ASSERT_EQ(frame.Balls.size(), 2u);
    EXPECT_EQ(frame.Balls[0].Material, design.BallMaterial);
    ASSERT_EQ(frame.Balls[0].Balls.Instances.size(), 2u);
    EXPECT_EQ(frame.Balls[0].Balls.Instances[0].CX, 0);
    EXPECT_EQ(frame.Balls[0].Balls.Instances[1].CX, 1);
    EXPECT_EQ(frame.Balls[1].Material, design.VioletRedMaterial);
    EXPECT_EQ(frame.Balls[1].Balls.Instances.size(), 1u);
}

TEST_F(SceneWalkTest, BallsMeetingOtherGeometryAreSetApart)
{
    struct Case {
        const char* name;
        scene::Vector3 position;
        bool touching;
    };
    const Case cases[] = {
        {"lowest ball, on the floor ruler", {0, -0.25F, 0}, true},
        {"second ball up", {0, -0.75F, 0}, false},
        {"middle of a column", {0, -2.75F, 0}, false},
        {"falling through the floor", {0, 0.1F, 0}, true},
        {"off the end of the ruler", {-1.5F, -0.25F, 0}, false},
        {"against a register label", {0, 0.5F, -1.4F}, true},
        {"in front of the backdrop", {0, 0, 39.8F}, true},
    };
    for (const Case& c : cases) {
        scene::Ball* ball = Ball(c.position);
        const SceneFrame frame = Walk();
        ASSERT_EQ(frame.Balls.size(), 1u) << c.name;
        EXPECT_EQ(frame.Balls[0].Balls.Touching.size(), c.touching ? 1u : 0u) << c.name;
        EXPECT_EQ(frame.Balls[0].Balls.Instances.size(), c.touching ? 0u : 1u) << c.name;
        delete ball;
    }
}

TEST_F(SceneWalkTest, TheComparisonPlaneTouchesTheBallsItCutsOnlyWhileShown)
{
    Ball({2, -2.25F, 0.5F});
    design.ComparisonPlane->Position.SetZ(2.25F); // level with the ball's centre
    EXPECT_TRUE(Walk().Balls[0].Balls.Touching.empty());
    design.ComparisonPlane->SetVisible(true);
    EXPECT_EQ(Walk().Balls[0].Balls.Touching.size(), 1u);
}

TEST_F(SceneWalkTest, AnInvisibleRootDrawsNothing)
{
    design.Root->SetVisible(false);
    const SceneFrame frame = Walk();
    EXPECT_TRUE(frame.Planes.empty());
    EXPECT_TRUE(frame.Texts.empty());
    EXPECT_EQ(frame.Light, nullptr);
}

} // namespace
} // namespace tessivar::render
