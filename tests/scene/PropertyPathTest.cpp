#include "Camera.h"
#include "Group.h"
#include "SceneRoot.h"
#include "Text3D.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessivar::scene {
namespace {

struct PathCase {
    const char* path;
    // Reads the property that the path should name.
    std::function<float(const Text3D&)> read;
    bool layout;
};

TEST(PropertyPath, ResolvesEveryAnimatableFloatOfAText)
{
    const PathCase cases[] = {
        {"Position.X", [](const Text3D& t) { return t.Position.X(); }, false},
        {"Position.Y", [](const Text3D& t) { return t.Position.Y(); }, false},
        {"Position.Z", [](const Text3D& t) { return t.Position.Z(); }, false},
        {"RotationAngle.X", [](const Text3D& t) { return t.RotationAngle.X(); }, false},
        {"RotationAngle.Y", [](const Text3D& t) { return t.RotationAngle.Y(); }, false},
        {"RotationAngle.Z", [](const Text3D& t) { return t.RotationAngle.Z(); }, false},
        {"Scale.X", [](const Text3D& t) { return t.Scale.X(); }, false},
        {"Scale.Z", [](const Text3D& t) { return t.Scale.Z(); }, false},
        {"Width", [](const Text3D& t) { return t.Width(); }, true},
        {"Height", [](const Text3D& t) { return t.Height(); }, true},
        {"Depth", [](const Text3D& t) { return t.Depth(); }, true},
        {"Font.Size", [](const Text3D& t) { return t.Font().Size; }, true},
        {"Flatness", [](const Text3D& t) { return t.Flatness(); }, true},
        // Names compare without regard to case.
        {"position.x", [](const Text3D& t) { return t.Position.X(); }, false},
        {"ROTATIONANGLE.y", [](const Text3D& t) { return t.RotationAngle.Y(); }, false},
        {"sCaLe.Y", [](const Text3D& t) { return t.Scale.Y(); }, false},
        {"font.SIZE", [](const Text3D& t) { return t.Font().Size; }, true},
    };
    for (const PathCase& c : cases) {
        Text3D text(nullptr);
        const FloatTarget target = text.FindFloatProperty(c.path);
        ASSERT_TRUE(target) << c.path;
        EXPECT_EQ(target.Object, &text) << c.path;
        EXPECT_EQ(target.Layout, c.layout) << c.path;
        const std::uint32_t layoutBefore = text.LayoutRevision();
        target.Set(123.5f);
        EXPECT_EQ(c.read(text), 123.5f) << c.path;
        EXPECT_EQ(text.LayoutRevision() != layoutBefore, c.layout) << c.path;
    }
}

TEST(PropertyPath, NamesThatResolveToNothing)
{
    const char* const failures[] = {
        "",
        "Position",
        "Position.W",
        "Position.X.Y",
        "Positions.X",
        "X",
        "Width.X",
        ".X",
        "Position.",
        "Position..X",
        "Font",
        "Font.Name",
        "AngleOfView",
        "RotationAngle",
        "Visible",
        "Tag",
        "Position X",
        "a.b.c.d.e.f.g.h.i",
    };
    Text3D text(nullptr);
    for (const char* path : failures)
        EXPECT_FALSE(text.FindFloatProperty(path)) << '"' << path << '"';
}

TEST(PropertyPath, ClassesAddTheirOwnProperties)
{
    Camera camera(nullptr);
    const FloatTarget angle = camera.FindFloatProperty("angleofview");
    ASSERT_TRUE(angle);
    angle.Set(30);
    EXPECT_EQ(camera.AngleOfView(), 30);
    EXPECT_FALSE(camera.FindFloatProperty("Font.Size"));

    Group group(nullptr);
    EXPECT_TRUE(group.FindFloatProperty("Position.Y"));
    EXPECT_FALSE(group.FindFloatProperty("Font.Size"));
    EXPECT_FALSE(group.FindFloatProperty("AngleOfView"));
}

TEST(PropertyPath, SetterIgnoresAnEqualValue)
{
    SceneRoot view(nullptr);
    auto* text = new Text3D(&view);
    text->SetParent(&view);
    text->SetWidth(5);
    const FloatTarget width = text->FindFloatProperty("Width");
    const auto revision = view.Revision();
    const auto layout = text->LayoutRevision();

    width.Set(5);
    EXPECT_EQ(view.Revision(), revision);
    EXPECT_EQ(text->LayoutRevision(), layout);

    width.Set(6);
    EXPECT_GT(view.Revision(), revision);
    EXPECT_GT(text->LayoutRevision(), layout);
}

} // namespace
} // namespace tessivar::scene
