#include "Camera.h"
#include "Text3D.h"
#include "Viewport3D.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessivar::scene {
namespace {

struct PathCase {
    const char* path;
    // Reads the property that the path should name.
    std::function<float(const TText3D&)> read;
    bool layout;
};

TEST(PropertyPath, ResolvesEveryAnimatableFloatOfAText)
{
    const PathCase cases[] = {
        {"Position.X", [](const TText3D& t) { return t.Position.X(); }, false},
        {"Position.Y", [](const TText3D& t) { return t.Position.Y(); }, false},
        {"Position.Z", [](const TText3D& t) { return t.Position.Z(); }, false},
        {"RotationAngle.X", [](const TText3D& t) { return t.RotationAngle.X(); }, false},
        {"RotationAngle.Y", [](const TText3D& t) { return t.RotationAngle.Y(); }, false},
        {"RotationAngle.Z", [](const TText3D& t) { return t.RotationAngle.Z(); }, false},
        {"Scale.X", [](const TText3D& t) { return t.Scale.X(); }, false},
        {"Scale.Z", [](const TText3D& t) { return t.Scale.Z(); }, false},
        {"Width", [](const TText3D& t) { return t.Width(); }, true},
        {"Height", [](const TText3D& t) { return t.Height(); }, true},
        {"Depth", [](const TText3D& t) { return t.Depth(); }, true},
        {"Font.Size", [](const TText3D& t) { return t.Font().Size; }, true},
        {"Flatness", [](const TText3D& t) { return t.Flatness(); }, true},
        // Names compare without regard to case.
        {"position.x", [](const TText3D& t) { return t.Position.X(); }, false},
        {"ROTATIONANGLE.y", [](const TText3D& t) { return t.RotationAngle.Y(); }, false},
        {"sCaLe.Y", [](const TText3D& t) { return t.Scale.Y(); }, false},
        {"font.SIZE", [](const TText3D& t) { return t.Font().Size; }, true},
    };
    for (const PathCase& c : cases) {
        TText3D text(nullptr);
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
    TText3D text(nullptr);
    for (const char* path : failures)
        EXPECT_FALSE(text.FindFloatProperty(path)) << '"' << path << '"';
}

TEST(PropertyPath, ClassesAddTheirOwnProperties)
{
    TCamera camera(nullptr);
    const FloatTarget angle = camera.FindFloatProperty("angleofview");
    ASSERT_TRUE(angle);
    angle.Set(30);
    EXPECT_EQ(camera.AngleOfView(), 30);
    EXPECT_FALSE(camera.FindFloatProperty("Font.Size"));

    TDummy dummy(nullptr);
    EXPECT_TRUE(dummy.FindFloatProperty("Position.Y"));
    EXPECT_FALSE(dummy.FindFloatProperty("Font.Size"));
    EXPECT_FALSE(dummy.FindFloatProperty("AngleOfView"));
}

TEST(PropertyPath, SetterIgnoresAnEqualValue)
{
    TViewport3D view(nullptr);
    auto* text = new TText3D(&view);
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
