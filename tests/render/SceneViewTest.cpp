#include "RenderedScene.h"
#include "ThreadDeadline.h"

#include "ProgramListing.h"
#include "SceneRoot.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <set>

namespace tessivar::render::testing {
namespace {

using scene::Dot;
using scene::Vector3;

constexpr QRgb Silver = 0xFFC0C0C0;
constexpr QRgb VioletRed = 0xFFC71585;
constexpr QRgb Yellow = 0xFFFFFF00;
constexpr QRgb Black = 0xFF000000;

// What a lit material should make of a texel: Blinn-Phong with the design's
// coefficients (ambient #202020, diffuse white, specular #606060, shininess
// 30) and the light travelling along (0.5, 0.814, 0.296).
QRgb Lit(QRgb texel, const Vector3& normal, const Vector3& point, const Vector3& eye)
{
    const Vector3 toLight = Vector3{-0.5F, -0.814F, -0.296F}.Normalized();
    const Vector3 toEye = (eye - point).Normalized();
    const float diffuse = std::max(Dot(normal, toLight), 0.0F);
    const float specular
        = diffuse > 0 ? std::pow(std::max(Dot(normal, (toLight + toEye).Normalized()), 0.0F), 30.0F) : 0;
    const auto channel = [&](int value) {
        const float c = static_cast<float>(value) / 255 * (32.0F / 255 + diffuse) + 96.0F / 255 * specular;
        return std::clamp(static_cast<int>(std::lround(c * 255)), 0, 255);
    };
    return qRgb(channel(qRed(texel)), channel(qGreen(texel)), channel(qBlue(texel)));
}

// The mean colour of a 5 x 5 patch of a picture (smooth regions only).
QRgb PatchOf(const QImage& picture, double u, double v)
{
    int r = 0, g = 0, b = 0;
    const int x0 = static_cast<int>(u * picture.width()), y0 = static_cast<int>(v * picture.height());
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const QRgb c = picture.pixel(x0 + dx, y0 + dy);
            r += qRed(c), g += qGreen(c), b += qBlue(c);
        }
    return qRgb(r / 25, g / 25, b / 25);
}

QRgb PixelAt(const QImage& frame, QPointF p)
{
    return frame.pixel(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

// Whether a pixel within `reach` pixels of `centre` is within `tolerance` of `colour`.
bool FoundNear(const QImage& frame, QPointF centre, int reach, QRgb colour, int tolerance)
{
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(static_cast<int>(centre.x()) + dx, static_cast<int>(centre.y()) + dy);
            if (frame.rect().contains(p) && ChannelDistance(frame.pixel(p), colour) <= tolerance)
                return true;
        }
    return false;
}

TEST(SceneView, DrawsTheStageWithoutError)
{
    RenderedScene scene;
    const QImage frame = scene.Frame();
    EXPECT_EQ(scene.View().RenderError(), QString());
    EXPECT_EQ(frame.size(), QSize(RenderedScene::Width, RenderedScene::Height));
    EXPECT_EQ(frame.pixel(RenderedScene::Width / 2, RenderedScene::Height - 2), Black);
}

TEST(SceneView, BackdropShowsTheLitBanner)
{
    RenderedScene scene;
    const QImage frame = scene.Frame();
    const QImage banner(QStringLiteral(":/pictures/banner.png"));
    ASSERT_EQ(banner.size(), QSize(940, 340));
    const scene::Plane& plane = *scene.Design().Backdrop;
    const Vector3 eye = scene.Design().ViewCamera->EyePosition();
    // Smooth parts of the picture, away from the lettering.
    for (const auto& [u, v] : {std::pair{0.1, 0.1}, std::pair{0.08, 0.5}, std::pair{0.9, 0.12}}) {
        SCOPED_TRACE(::testing::Message() << "u " << u << " v " << v);
        const Vector3 point = plane.LocalToAbsolute(
            {static_cast<float>((u - 0.5) * plane.Width()), static_cast<float>((v - 0.5) * plane.Height()), 0});
        const QRgb expected = Lit(PatchOf(banner, u, v), {0, 0, -1}, point, eye);
        EXPECT_LE(ChannelDistance(PixelAt(frame, scene.Project(point)), expected), 8)
            << std::hex << PixelAt(frame, scene.Project(point)) << " expected " << expected;
    }
}

TEST(SceneView, RegisterLabelShowsSilverOnlyWhileVisible)
{
    RenderedScene scene;
    scene::Text3D& label = *scene.Design().Labels[0];
    const QPointF where = scene.Project(label.LocalToAbsolute({0, 0, -label.Depth() / 2}));
    EXPECT_TRUE(FoundNear(scene.Frame(), where, 12, Silver, 2));
    label.SetVisible(false);
    EXPECT_FALSE(FoundNear(scene.Frame(), where, 12, Silver, 2));
}

TEST(SceneView, ListingBarIsVioletRedWithTheListingInFront)
{
    RenderedScene scene;
    scene::Stage& design = scene.Design();
    const QPointF bar = scene.Project(design.HighlightBar->LocalToAbsolute({0, 0, 0}));
    EXPECT_EQ(PixelAt(scene.Frame(), bar), VioletRed);

    // The first program line stands level with the bar, in front of it.
    design.ListingText->SetWidth(35);
    design.HighlightBar->SetWidth(35);
    design.ListingText->SetText("S(3)\r\nJ(1,3,6)\r\nS(2)");
    const QImage frame = scene.Frame();
    const QPointF left = scene.Project(design.HighlightBar->LocalToAbsolute({-17.5F + 2, 0, 0}));
    const QPointF right = scene.Project(design.HighlightBar->LocalToAbsolute({17.5F - 2, 0, 0}));
    int silver = 0, violet = 0;
    for (int x = static_cast<int>(left.x()); x <= static_cast<int>(right.x()); ++x)
        for (int dy = -3; dy <= 3; ++dy) {
            const QRgb c = frame.pixel(x, static_cast<int>(bar.y()) + dy);
            silver += ChannelDistance(c, Silver) <= 2;
            violet += c == VioletRed;
        }
    EXPECT_GT(silver, 10);
    EXPECT_GT(violet, 10);
}

// A long listing is drawn only where its glyphs may show: scrolled halfway
// down, it looks as it does drawn whole (the plain mesh culls nothing).
TEST(SceneView, ALongListingShowsTheSameDrawnOnlyNearTheView)
{
    RenderedScene scene;
    scene::Stage& design = scene.Design();
    constexpr int lines = 1000;
    QStringList program;
    for (int i = 1; i <= lines; ++i)
        program << QStringLiteral("J(1,%1,%2)").arg(i % 256 + 1).arg(i + 1);
    design.ListingText->SetText(program.join(QStringLiteral("\r\n")).toStdString());
    design.ListingText->SetHeight(5.0F * lines);
    design.ListingText->Position.SetY(2.5F * (lines - 20) - 5.35F * (lines / 2));
    const QImage culled = scene.Frame();
    scene.View().SetBalls(BallDrawing::PlainMesh);
    const QImage whole = scene.Frame();
    int different = 0, silver = 0;
    for (int y = 0; y < culled.height(); ++y)
        for (int x = 0; x < culled.width(); ++x) {
            different += culled.pixel(x, y) != whole.pixel(x, y);
            silver += ChannelDistance(culled.pixel(x, y), Silver) <= 2;
        }
    EXPECT_EQ(different, 0);
    EXPECT_GT(silver, 1000) << "the listing's lines show";
}

TEST(SceneView, BallStandsWhereTheLayoutPutsItLitAndTextured)
{
    RenderedScene scene;
    // Register index 0 holding 1: its only ball at (0, -0.25, 0), turned so
    // that the plain back of the picture faces the camera.
    scene::Ball* ball = scene.AddBall(0, 1, 0);
    ball->RotationAngle.SetY(180);
    const Vector3 centre{0, -0.25F, 0};
    ASSERT_EQ(ball->AbsoluteMatrix().Row(3), centre);
    const Vector3 eye = scene.Design().ViewCamera->EyePosition();
    const Vector3 toCentre = (centre - eye).Normalized();
    const Vector3 nearest = centre - toCentre * 0.25F;
    const QImage picture(QStringLiteral(":/pictures/ball.png"));
    const QRgb expected = Lit(picture.pixel(2, picture.height() / 2), toCentre * -1, nearest, eye);

    const QImage frame = scene.Frame();
    const QPointF middle = scene.Project(centre);
    EXPECT_LE(ChannelDistance(PixelAt(frame, middle), expected), 8)
        << std::hex << PixelAt(frame, middle) << " expected " << expected;
    // Just beside the outline: the black background.
    const double radius = scene.ProjectedRadius(centre, 0.25F);
    EXPECT_GT(radius, 8);
    EXPECT_EQ(PixelAt(frame, middle + QPointF(1.3 * radius, 0)), Black);
    EXPECT_EQ(PixelAt(frame, middle - QPointF(1.3 * radius, 0)), Black);
    EXPECT_NE(PixelAt(frame, middle + QPointF(0.8 * radius, 0)), Black);
    EXPECT_NE(PixelAt(frame, middle - QPointF(0.8 * radius, 0)), Black);
}

TEST(SceneView, BallFaceShowsInGreenFromTheFront)
{
    RenderedScene scene;
    scene.AddBall(0, 1, 0);
    const Vector3 centre{0, -0.25F, 0};
    const QImage frame = scene.Frame();
    const QPointF middle = scene.Project(centre);
    const int radius = static_cast<int>(scene.ProjectedRadius(centre, 0.25F));
    int green = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QRgb c = frame.pixel(static_cast<int>(middle.x()) + dx, static_cast<int>(middle.y()) + dy);
            green += qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30;
        }
    EXPECT_GT(green, 5);
}

TEST(SceneView, ImpostorBallsLookLikeTheMesh)
{
    RenderedScene scene;
    for (int i = 0; i < 3; ++i)
        scene.AddBall(i, 3, i)->RotationAngle.SetY(static_cast<float>(100 * i));
    const QImage impostors = scene.Frame();
    scene.View().SetBalls(BallDrawing::Mesh);
    const QImage mesh = scene.Frame();
    for (int i = 0; i < 3; ++i) {
        const Vector3 centre{static_cast<float>(i), -(static_cast<float>(i) + 0.5F) * 0.5F, 0};
        const QPointF middle = scene.Project(centre);
        const double radius = scene.ProjectedRadius(centre, 0.25F);
        for (const QPointF offset : {QPointF(0, 0), QPointF(0.5 * radius, 0), QPointF(-0.4 * radius, -0.4 * radius)})
            EXPECT_LE(ChannelDistance(PixelAt(impostors, middle + offset), PixelAt(mesh, middle + offset)), 16)
                << "ball " << i << " at " << offset.x() << ", " << offset.y();
    }
}

TEST(SceneView, TheSeamOfTheBallPictureLeavesNoLine)
{
    // Close up, a ball turned so that a meridian where a texture coordinate
    // wraps faces the camera (the front one, u = 0.5, or the back one, u = 0),
    // wearing a test picture of red and blue stripes that is plain red around
    // both meridians: a row of pixels across the meridian stays smooth and
    // red, where a mip level chosen across the wrap would draw a purplish line.
    // Derivatives come per 2 x 2 block of pixels, so the camera is moved by
    // fractions of a pixel to bring the meridian inside a block.
    struct Case {
        const char* name;
        long long value, position; // the ball's place in the stack of register 1
        float turn; // 0: front meridian, 180: back meridian
    };
    for (const Case c : {Case{"lowest ball, front", 1, 0, 0}, Case{"lowest ball, back", 1, 0, 180},
                         Case{"second ball, front", 2, 1, 0}, Case{"second ball, back", 2, 1, 180}}) {
        for (const float shift : {0.0F, 0.002F, 0.004F, 0.006F}) {
            SCOPED_TRACE(::testing::Message() << c.name << ", camera moved by " << shift);
            RenderedScene scene;
            scene.Design().ViewCamera->Position.SetPoint({shift, 0, -4});
            scene::Ball* ball = scene.AddBall(0, c.value, c.position);
            auto* stripes = new scene::LitMaterial(&scene.Design().Owner);
            stripes->Texture = "seam_stripes";
            ball->SetMaterialSource(stripes);
            const Vector3 centre = ball->AbsoluteMatrix().Row(3);
            const Vector3 eye = scene.Design().ViewCamera->EyePosition();
            // Turned by t about Y, the ball's local -Z (u = 0.5) points along (-sin t, 0, -cos t).
            const double facing = std::atan2(-(eye.X - centre.X), -(eye.Z - centre.Z)) * 180 / std::numbers::pi;
            ball->RotationAngle.SetY(static_cast<float>(facing) + c.turn);

            const QImage frame = scene.Frame();
            const QPointF middle = scene.Project(centre);
            ASSERT_GT(scene.ProjectedRadius(centre, 0.25F), 20);
            for (int y = static_cast<int>(middle.y()) - 2; y <= static_cast<int>(middle.y()) + 2; ++y)
                for (int x = static_cast<int>(middle.x()) - 3; x <= static_cast<int>(middle.x()) + 3; ++x) {
                    const QRgb left = frame.pixel(x - 1, y), here = frame.pixel(x, y), right = frame.pixel(x + 1, y);
                    const QRgb between = qRgb((qRed(left) + qRed(right)) / 2, (qGreen(left) + qGreen(right)) / 2,
                                              (qBlue(left) + qBlue(right)) / 2);
                    EXPECT_LE(ChannelDistance(here, between), 3) << "at " << x << ", " << y;
                    EXPECT_GT(qRed(here), 3 * qBlue(here)) << "at " << x << ", " << y;
                }
        }
    }
}

TEST(SceneView, PlanesShowOnlyFromTheirFrontSide)
{
    struct Case {
        const char* name;
        float height; // ComparisonPlane's Position.Z: its height above the floor
        bool shows;
    };
    for (const Case c : {Case{"seen from above", 1, false}, Case{"seen from below", 3, true}}) {
        SCOPED_TRACE(c.name);
        RenderedScene scene;
        scene::Plane& plane = *scene.Design().ComparisonPlane;
        plane.SetVisible(true);
        plane.Position.SetZ(c.height);
        // A point of the strip near the first register, well inside the view.
        const Vector3 point = plane.LocalToAbsolute({-48, 0, 0});
        EXPECT_NEAR(point.Y, -c.height, 1e-5);
        EXPECT_EQ(PixelAt(scene.Frame(), scene.Project(point)) == Yellow, c.shows);
    }
}

TEST(SceneView, GridLinesAreBlendedCadetBlue)
{
    RenderedScene scene;
    // The cross line at register 3, halfway back, over the black background:
    // #5F9EA0 at alpha 0xA0.
    const QRgb expected = qRgb(0x5F * 0xA0 / 255, 0x9E * 0xA0 / 255, 0xA0 * 0xA0 / 255);
    EXPECT_TRUE(FoundNear(scene.Frame(), scene.Project({3, 0, 0.5F}), 1, expected, 3));
}

TEST(SceneView, GridLinesFollowColourAndSpacingFromFrameToFrame)
{
    RenderedScene scene;
    scene::Grid& grid = *scene.Design().ColumnRuler;
    const QPointF crossLine = scene.Project({3, 0, 0.5F});
    const QRgb cadetBlue = qRgb(0x5F * 0xA0 / 255, 0x9E * 0xA0 / 255, 0xA0 * 0xA0 / 255);
    const QRgb red = qRgb(0xA0, 0, 0);
    EXPECT_TRUE(FoundNear(scene.Frame(), crossLine, 1, cadetBlue, 3));

    grid.SetLineColor(0xFFFF0000);
    const QImage recoloured = scene.Frame();
    EXPECT_TRUE(FoundNear(recoloured, crossLine, 1, red, 3));
    EXPECT_FALSE(FoundNear(recoloured, crossLine, 1, cadetBlue, 3));

    // Lines every 4 units from the grid's centre at 49 leave out the one at 3.
    grid.SetFrequency(4);
    EXPECT_FALSE(FoundNear(scene.Frame(), crossLine, 1, red, 3));
}

// Where the counter's box lands in the frame: the box around the projections
// of its front and back corners.
QRectF CounterArea(const RenderedScene& scene, const scene::Text3D& counter)
{
    QRectF area;
    for (const float x : {-counter.Width() / 2, counter.Width() / 2})
        for (const float y : {-counter.Height() / 2, counter.Height() / 2})
            for (const float z : {-counter.Depth() / 2, counter.Depth() / 2}) {
                const QPointF p = scene.Project(counter.LocalToAbsolute({x, y, z}));
                area = area.united(QRectF(p, QSizeF(1, 1)));
            }
    return area;
}

TEST(SceneView, TheCounterShowsALongCountOnOneLineInsideItsBox)
{
    struct Case {
        const char* name;
        StepCount step;
    };
    RenderedScene scene;
    scene::Text3D& counter = *scene.Design().CounterText;
    for (const Case c : {Case{"five digits", 12345}, Case{"thirty-nine digits", kLargestStepCount}}) {
        SCOPED_TRACE(c.name);
        scene::ShowStepCounter(scene.Design(), c.step);
        const QImage frame = scene.Frame();
        // TESSIVAR_TEST_PICTURES names a folder that keeps the frames for a look by eye.
        if (const QString folder = qEnvironmentVariable("TESSIVAR_TEST_PICTURES"); !folder.isEmpty())
            frame.save(QStringLiteral("%1/counter-%2-digits.png").arg(folder).arg(DecimalText(c.step).size()));

        const QRect area = CounterArea(scene, counter).toAlignedRect();
        ASSERT_TRUE(frame.rect().contains(area)) << "the whole box is in view";
        int inside = 0, outside = 0;
        QRect lit; // around the yellow fronts of the glyphs
        std::set<int> litRows;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x)
                if (ChannelDistance(frame.pixel(x, y), Yellow) <= 16) {
                    ++(area.contains(x, y) ? inside : outside);
                    lit = lit.united(QRect(x, y, 1, 1));
                    litRows.insert(y);
                }
        EXPECT_GT(inside, 100);
        EXPECT_EQ(outside, 0);
        // One line: its rows follow one another with no gap between lines.
        EXPECT_EQ(static_cast<int>(litRows.size()), lit.height());
        EXPECT_LT(lit.height(), area.height());
        EXPECT_GE(lit.height(), 12) << "tall enough to read";
        // And it is read across the box, not squeezed into a corner of it.
        EXPECT_NEAR(lit.center().x(), area.center().x(), 0.1 * area.width());
    }
}

TEST(SceneView, RedrawsOnlyWhenAskedAndTheSceneChanged)
{
    RenderedScene scene;
    scene.Frame();
    QTest::qWait(100);
    const std::uint64_t drawn = scene.View().DrawnRevision();
    EXPECT_EQ(drawn, scene.Design().Root->Revision());

    // A change alone does not redraw: the view has no timer of its own.
    scene.Design().ViewCamera->Position.SetX(1);
    QTest::qWait(100);
    EXPECT_EQ(scene.View().DrawnRevision(), drawn);

    scene.View().UpdateIfChanged();
    const std::uint64_t changed = scene.Design().Root->Revision();
    EXPECT_TRUE(FinishedInTime(QTest::qWaitFor([&] { return scene.View().DrawnRevision() != drawn; },
                                               static_cast<int>(kThreadDeadline.count())),
                               changed, kThreadDeadline));
    EXPECT_EQ(scene.View().DrawnRevision(), scene.Design().Root->Revision());
}

TEST(SceneView, TextMeshesAreRebuiltOnlyWhenTextOrBoxChanges)
{
    RenderedScene scene;
    scene.Frame();
    const std::uint64_t built = scene.View().TextMeshBuilds();
    EXPECT_GT(built, 0u);

    scene::Text3D& counter = *scene.Design().CounterText;
    struct Step {
        const char* name;
        std::function<void()> change;
        std::uint64_t newMeshes;
    };
    const Step steps[] = {
        {"nothing", [] {}, 0},
        {"moved", [&] { counter.Position.SetX(0.5F); }, 0},
        {"recoloured", [&] { counter.SetMaterialSource(scene.Design().GreenMaterial); }, 0},
        {"new text", [&] { counter.SetText("Step:   1"); }, 1},
        {"same text again", [&] { counter.SetText("Step:   1"); }, 0},
        {"wider box", [&] { counter.SetWidth(25); }, 1},
        {"taller box", [&] { counter.SetHeight(3); }, 1},
    };
    std::uint64_t before = built;
    for (const Step& step : steps) {
        step.change();
        scene.Frame();
        EXPECT_EQ(scene.View().TextMeshBuilds() - before, step.newMeshes) << step.name;
        before = scene.View().TextMeshBuilds();
    }
}

} // namespace
} // namespace tessivar::render::testing
