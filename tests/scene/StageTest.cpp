#include "Stage.h"
#include "ManualClock.h"

#include <string>

namespace tessivar::scene::testing {
namespace {

class StageTest : public ::testing::Test {
protected:
    ManualClockDriver driver;
    AnimationClock clock{driver};
    Stage scene{clock};

    void Advance(double seconds)
    {
        driver.now += seconds;
        if (driver.timerOn)
            clock.OnTimer();
    }
};

TEST_F(StageTest, ObjectsStandWhereTheDesignPutsThem)
{
    const Stage& s = scene;
    const struct {
        PlacedObject* object;
        const char* name;
        SceneObject* parent;
        Vector3 position, rotation, scale;
    } objects[] = {
        {s.ColumnRuler, "ColumnRuler", s.Root, {49, 0, 0}, {90, 0, 0}, {1, 1, 1}},
        {s.ComparisonPlane, "ComparisonPlane", s.ColumnRuler, {0, 0, 0}, {}, {1, 1, 1}},
        {s.BallTemplate, "BallTemplate", s.Root, {0, -0.5f, 0}, {}, {0.5f, 0.5f, 0.5f}},
        {s.CameraRig, "CameraRig", s.Root, {0, 0, 0}, {345, 0, 0}, {1, 1, 1}},
        {s.ViewCamera, "ViewCamera", s.CameraRig, {-2, 0, -10}, {}, {1, 1, 1}},
        {s.ListingFrame, "ListingFrame", s.CameraRig, {-3, 10, 0}, {350, 0, 0}, {0.2f, 0.2f, 1}},
        {s.ListingText, "ListingText", s.ListingFrame, {0, 0, 0}, {}, {1, 1, 1}},
        {s.HighlightBar, "HighlightBar", s.ListingFrame, {-3, -47, 0}, {}, {1, 1, 1}},
        {s.InstructionText, "InstructionText", s.ListingFrame, {0, -47.5f, 0}, {}, {1, 1, 1}},
        {s.MainLight, "MainLight", s.Root, {-4, -6, -10}, {290, 30, 0}, {1, 1, 1}},
        {s.LabelTemplate, "LabelTemplate", s.Root, {0, 0.5f, -1}, {}, {0.1f, 0.5f, 1}},
        {s.Backdrop, "Backdrop", s.Root, {-2, 0, 40}, {}, {1, 1, 1}},
        {s.CounterText, "CounterText", s.Root, {0, 2, -1}, {}, {0.1f, 0.5f, 1}},
    };
    for (const auto& o : objects) {
        EXPECT_EQ(o.object->Name, o.name);
        EXPECT_EQ(o.object->Parent(), o.parent) << o.name;
        EXPECT_EQ(o.object->Owner(), &scene.Owner) << o.name;
        EXPECT_EQ(o.object->Position.Point(), o.position) << o.name;
        EXPECT_EQ(o.object->RotationAngle.Point(), o.rotation) << o.name;
        EXPECT_EQ(o.object->Scale.Point(), o.scale) << o.name;
        EXPECT_TRUE(o.object->Visible()) << o.name; // everything is visible at start-up
    }
    // Drawing order of the view's children follows the design.
    std::vector<SceneObject*> expected{s.ColumnRuler,   s.BallTemplate, s.CameraRig,  s.MainLight,
                                       s.LabelTemplate, s.Backdrop,     s.CounterText};
    EXPECT_EQ(std::vector<SceneObject*>(s.Root->Children().begin(), s.Root->Children().end()), expected);
}

TEST_F(StageTest, SizesAndLooks)
{
    const Stage& s = scene;
    const struct {
        PlacedObject* object;
        float width, height;
        Material* material;
    } shapes[] = {
        {s.ColumnRuler, 99.2f, 1.8f, nullptr},  {s.ComparisonPlane, 99.2f, 1.8f, s.YellowMaterial},
        {s.BallTemplate, 1, 1, s.BallMaterial}, {s.HighlightBar, 20, 5, s.VioletRedMaterial},
        {s.Backdrop, 47, 17, s.BannerMaterial},
    };
    for (const auto& shape : shapes) {
        EXPECT_EQ(shape.object->Width(), shape.width) << shape.object->Name.Str();
        EXPECT_EQ(shape.object->Height(), shape.height) << shape.object->Name.Str();
        if (shape.material) {
            EXPECT_EQ(static_cast<Shape*>(shape.object)->MaterialSource(), shape.material);
        }
    }
    EXPECT_EQ(s.ColumnRuler->Depth(), 0.001f);
    EXPECT_EQ(s.BallTemplate->Depth(), 1);
    EXPECT_EQ(s.ColumnRuler->LineColor(), 0xFF5F9EA0u);
    EXPECT_EQ(s.ColumnRuler->Marks(), 1);
    EXPECT_EQ(s.ColumnRuler->Frequency(), 1);
    EXPECT_EQ(s.ViewCamera->AngleOfView(), 45);
    EXPECT_EQ(s.MainLight->Color(), 0xFFFFFFFFu);
    EXPECT_EQ(s.MainLight->LightType(), LightKind::Directional);
    EXPECT_EQ(s.Root->Color(), 0xFF000000u);
    EXPECT_EQ(s.Root->Camera(), s.ViewCamera);
    EXPECT_FALSE(s.Root->UsingDesignCamera());
    EXPECT_EQ(s.Root->Clock(), &clock);
    EXPECT_EQ(s.Root->Width(), 736);
    EXPECT_EQ(s.Root->Height(), 602);
}

TEST_F(StageTest, Texts)
{
    const Stage& s = scene;
    const struct {
        Text3D* text;
        float width, height;
        Material* front;
        TextAlign align;
        const char* content;
    } texts[] = {
        {s.ListingText, 20, 100, s.SilverMaterial, TextAlign::Leading, ""},
        {s.InstructionText, 20, 5, s.GreenMaterial, TextAlign::Leading, ""},
        {s.LabelTemplate, 10, 2, s.SilverMaterial, TextAlign::Center, "R(1)"},
        {s.CounterText, 20, 2, s.YellowMaterial, TextAlign::Center, "Step"},
    };
    for (const auto& t : texts) {
        const std::string name = t.text->Name.Str();
        EXPECT_EQ(t.text->Width(), t.width) << name;
        EXPECT_EQ(t.text->Height(), t.height) << name;
        EXPECT_EQ(t.text->Depth(), 0.3f) << name;
        EXPECT_EQ(t.text->MaterialSource(), t.front) << name;
        EXPECT_EQ(t.text->MaterialBackSource(), s.LightGreyMaterial) << name;
        EXPECT_EQ(t.text->MaterialShaftSource(), s.DarkGreyMaterial) << name;
        EXPECT_EQ(t.text->HorzTextAlign(), t.align) << name;
        EXPECT_EQ(t.text->VertTextAlign(), t.align) << name;
        EXPECT_EQ(t.text->Text(), t.content) << name;
        EXPECT_EQ(t.text->Font().Size, 4) << name;
        EXPECT_EQ(t.text->Flatness(), 1) << name;
        EXPECT_EQ(t.text->Sides(), AllSides) << name;
    }
}

TEST_F(StageTest, Materials)
{
    const Stage& s = scene;
    const std::pair<FlatMaterial*, Argb> colours[] = {
        {s.SilverMaterial, 0xFFC0C0C0},    {s.DarkGreyMaterial, 0xFFA9A9A9}, {s.LightGreyMaterial, 0xFFD3D3D3},
        {s.VioletRedMaterial, 0xFFC71585}, {s.YellowMaterial, 0xFFFFFF00},   {s.GreenMaterial, 0xFF00FF7F},
    };
    for (const auto& [material, colour] : colours)
        EXPECT_EQ(material->Color, colour) << material->Name.Str();
    for (const auto& [material, texture] : {std::pair{s.BannerMaterial, "banner"}, std::pair{s.BallMaterial, "ball"}}) {
        EXPECT_EQ(material->Diffuse, 0xFFFFFFFFu);
        EXPECT_EQ(material->Ambient, 0xFF202020u);
        EXPECT_EQ(material->Emissive, 0x00000000u);
        EXPECT_EQ(material->Specular, 0xFF606060u);
        EXPECT_EQ(material->Shininess, 30);
        EXPECT_EQ(material->Texture, texture);
    }
}

TEST_F(StageTest, Animations)
{
    const Stage& s = scene;
    using enum EasingCurve;
    const struct {
        FloatAnimation* animation;
        SceneObject* parent;
        const char* path;
        float start, stop, duration;
        bool loop, autoReverse;
        EasingCurve interpolation;
        EasingMode type;
        bool enabled;
    } animations[] = {
        {s.SpinTemplate, s.BallTemplate, "RotationAngle.Y", 0, 359.9f, 2, true, false, Linear, EasingMode::In, true},
        {s.DropTemplate, s.BallTemplate, "Position.Y", 0, 0, 1, false, false, Bounce, EasingMode::Out, false},
        {s.SlideTemplate, s.BallTemplate, "Position.X", 0, 0, 0.2f, false, false, Linear, EasingMode::In, false},
        {s.CameraPan, s.ViewCamera, "Position.X", -2, 7, 2, false, true, Linear, EasingMode::In, false},
        {s.InstructionSlide, s.InstructionText, "Position.X", 0, 0, 1.5f, false, false, Linear, EasingMode::In, false},
        {s.ListingScroll, s.ListingText, "Position.Y", 0, 0, 0.2f, false, false, Linear, EasingMode::In, false},
        {s.ComparisonRise, s.ComparisonPlane, "Position.Z", 0, 0, 2, false, false, Linear, EasingMode::In, false},
    };
    for (const auto& a : animations) {
        const std::string name = a.animation->Name.Str();
        EXPECT_EQ(a.animation->Parent(), a.parent) << name;
        EXPECT_EQ(a.animation->PropertyName, a.path) << name;
        EXPECT_EQ(a.animation->StartValue(), a.start) << name;
        EXPECT_EQ(a.animation->StopValue(), a.stop) << name;
        EXPECT_EQ(a.animation->Duration(), a.duration) << name;
        EXPECT_EQ(a.animation->Loop(), a.loop) << name;
        EXPECT_EQ(a.animation->AutoReverse(), a.autoReverse) << name;
        EXPECT_EQ(a.animation->Interpolation(), a.interpolation) << name;
        EXPECT_EQ(a.animation->AnimationType(), a.type) << name;
        EXPECT_EQ(a.animation->Enabled, a.enabled) << name;
        EXPECT_EQ(a.animation->Delay(), 0) << name;
        EXPECT_FALSE(a.animation->Inverse()) << name;
        EXPECT_EQ(a.animation->Tag, 0) << name;
        EXPECT_FALSE(a.animation->OnFinish) << name;
        EXPECT_EQ(a.animation->Running(), a.enabled) << name; // enabled ones started when loaded
    }
    EXPECT_EQ(std::vector<SceneObject*>(s.BallTemplate->Children().begin(), s.BallTemplate->Children().end()),
              (std::vector<SceneObject*>{s.SpinTemplate, s.DropTemplate, s.SlideTemplate}));
}

TEST_F(StageTest, TemplateSpinStopsUnseenAfterItIsHidden)
{
    Advance(0.5);
    EXPECT_FLOAT_EQ(scene.BallTemplate->RotationAngle.Y(), 359.9f / 4);
    scene.BuildRegisterLabels();
    EXPECT_TRUE(scene.SpinTemplate->Running());
    Advance(0.01);
    EXPECT_FALSE(scene.SpinTemplate->Running());
    EXPECT_EQ(scene.BallTemplate->RotationAngle.Y(), 359.9f);
    EXPECT_EQ(scene.SpinTemplate->Duration(), 2); // the template keeps its design values
    EXPECT_FALSE(driver.timerOn);
}

TEST_F(StageTest, RegisterLabels)
{
    scene.BuildRegisterLabels();
    EXPECT_FALSE(scene.ComparisonPlane->Visible());
    EXPECT_FALSE(scene.BallTemplate->Visible());
    EXPECT_FALSE(scene.LabelTemplate->Visible());

    int visibleTexts = 0;
    for (SceneObject* child : scene.Root->Children())
        if (child->Kind() == ObjectKind::Text3D && child->Visible())
            ++visibleTexts;
    EXPECT_EQ(visibleTexts, 14); // thirteen labels and the step counter

    for (int i = 0; i < Stage::LabelCount; ++i) {
        const Text3D* label = scene.Labels[static_cast<std::size_t>(i)];
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Text(), "R(" + std::to_string(i + 1) + ")");
        EXPECT_EQ(label->Position.Point(), (Vector3{static_cast<float>(i), 0.5f, -1})) << i;
        EXPECT_EQ(label->Scale.Point(), (Vector3{0.1f, 0.5f, 1})) << i;
        EXPECT_EQ(label->Width(), 10);
        EXPECT_EQ(label->Height(), 2);
        EXPECT_TRUE(label->Visible());
        EXPECT_TRUE(label->ParentedVisible());
        EXPECT_EQ(label->Parent(), scene.Root);
        EXPECT_EQ(label->Owner(), &scene.Owner);
        EXPECT_TRUE(label->Name.Empty());
        EXPECT_EQ(label->MaterialSource(), scene.SilverMaterial);
        EXPECT_EQ(label->HorzTextAlign(), TextAlign::Center);
    }
    EXPECT_EQ(scene.Labels.back()->Text(), "R(13)");
    EXPECT_EQ(scene.Labels.back()->Position.X(), 12);
}

TEST_F(StageTest, BallCopiedFromTheTemplateStartsHiddenWithItsAnimations)
{
    scene.BuildRegisterLabels();
    Advance(0.01);
    auto* ball = scene.BallTemplate->CloneAs<Ball>(&scene.Owner);
    ball->SetParent(scene.BallTemplate->Parent());
    EXPECT_FALSE(ball->Visible());
    EXPECT_EQ(ball->ChildCount(), 3u);
    EXPECT_EQ(ball->MaterialSource(), scene.BallMaterial);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST(StageLifetime, FreeingTheSceneFreesBallsWithRunningAnimations)
{
    ManualClockDriver driver;
    AnimationClock clock(driver);
    {
        Stage scene(clock);
        scene.BuildRegisterLabels();
        driver.now += 0.01;
        clock.OnTimer(); // the template's spin stops unseen
        for (int i = 0; i < 20; ++i) {
            auto* ball = scene.BallTemplate->CloneAs<Ball>(&scene.Owner);
            ball->SetParent(scene.Root);
            ball->SetVisible(true);
            auto* spin = scene.SpinTemplate->CloneAs<FloatAnimation>(&scene.Owner);
            spin->SetParent(ball);
            spin->Start();
        }
        scene.CameraPan->Start();
        EXPECT_EQ(clock.Count(), 21u);
    }
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_FALSE(driver.timerOn);
}

} // namespace
} // namespace tessivar::scene::testing
