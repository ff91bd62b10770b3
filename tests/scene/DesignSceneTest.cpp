#include "DesignScene.h"
#include "ManualClock.h"

#include <string>

namespace tessivar::scene::testing {
namespace {

class DesignSceneTest : public ::testing::Test {
protected:
    ManualClockDriver driver;
    AnimationClock clock{driver};
    DesignScene scene{clock};

    void Advance(double seconds)
    {
        driver.now += seconds;
        if (driver.timerOn)
            clock.OnTimer();
    }
};

TEST_F(DesignSceneTest, ObjectsStandWhereTheDesignPutsThem)
{
    const DesignScene& s = scene;
    const struct {
        TControl3D* object;
        const char* name;
        TFmxObject* parent;
        Vector3 position, rotation, scale;
    } objects[] = {
        {s.Grid3D1, "Grid3D1", s.Viewport3D1, {49, 0, 0}, {90, 0, 0}, {1, 1, 1}},
        {s.Plane3, "Plane3", s.Grid3D1, {0, 0, 0}, {}, {1, 1, 1}},
        {s.Sphere1, "Sphere1", s.Viewport3D1, {0, -0.5f, 0}, {}, {0.5f, 0.5f, 0.5f}},
        {s.Dummy1, "Dummy1", s.Viewport3D1, {0, 0, 0}, {345, 0, 0}, {1, 1, 1}},
        {s.Camera1, "Camera1", s.Dummy1, {-2, 0, -10}, {}, {1, 1, 1}},
        {s.Dummy2, "Dummy2", s.Dummy1, {-3, 10, 0}, {350, 0, 0}, {0.2f, 0.2f, 1}},
        {s.Text3D2, "Text3D2", s.Dummy2, {0, 0, 0}, {}, {1, 1, 1}},
        {s.Plane2, "Plane2", s.Dummy2, {-3, -47, 0}, {}, {1, 1, 1}},
        {s.Text3D4, "Text3D4", s.Dummy2, {0, -47.5f, 0}, {}, {1, 1, 1}},
        {s.Light1, "Light1", s.Viewport3D1, {-4, -6, -10}, {290, 30, 0}, {1, 1, 1}},
        {s.Text3D1, "Text3D1", s.Viewport3D1, {0, 0.5f, -1}, {}, {0.1f, 0.5f, 1}},
        {s.Plane1, "Plane1", s.Viewport3D1, {-2, 0, 40}, {}, {1, 1, 1}},
        {s.Text3D3, "Text3D3", s.Viewport3D1, {0, 2, -1}, {}, {0.1f, 0.5f, 1}},
    };
    for (const auto& o : objects) {
        EXPECT_EQ(o.object->Name, o.name);
        EXPECT_EQ(o.object->Parent(), o.parent) << o.name;
        EXPECT_EQ(o.object->Owner(), &scene.Form) << o.name;
        EXPECT_EQ(o.object->Position.Point(), o.position) << o.name;
        EXPECT_EQ(o.object->RotationAngle.Point(), o.rotation) << o.name;
        EXPECT_EQ(o.object->Scale.Point(), o.scale) << o.name;
        EXPECT_TRUE(o.object->Visible()) << o.name; // everything is visible at start-up
    }
    // Drawing order of the view's children follows the design.
    std::vector<TFmxObject*> expected{s.Grid3D1, s.Sphere1, s.Dummy1, s.Light1, s.Text3D1, s.Plane1, s.Text3D3};
    EXPECT_EQ(std::vector<TFmxObject*>(s.Viewport3D1->Children().begin(), s.Viewport3D1->Children().end()), expected);
}

TEST_F(DesignSceneTest, SizesAndLooks)
{
    const DesignScene& s = scene;
    const struct {
        TControl3D* object;
        float width, height;
        TMaterialSource* material;
    } shapes[] = {
        {s.Grid3D1, 99.2f, 1.8f, nullptr},          {s.Plane3, 99.2f, 1.8f, s.ColorMaterialSource5},
        {s.Sphere1, 1, 1, s.LightMaterialSource2},  {s.Plane2, 20, 5, s.ColorMaterialSource4},
        {s.Plane1, 47, 17, s.LightMaterialSource1},
    };
    for (const auto& shape : shapes) {
        EXPECT_EQ(shape.object->Width(), shape.width) << shape.object->Name.Str();
        EXPECT_EQ(shape.object->Height(), shape.height) << shape.object->Name.Str();
        if (shape.material) {
            EXPECT_EQ(static_cast<TShape3D*>(shape.object)->MaterialSource(), shape.material);
        }
    }
    EXPECT_EQ(s.Grid3D1->Depth(), 0.001f);
    EXPECT_EQ(s.Sphere1->Depth(), 1);
    EXPECT_EQ(s.Grid3D1->LineColor(), 0xFF5F9EA0u);
    EXPECT_EQ(s.Grid3D1->Marks(), 1);
    EXPECT_EQ(s.Grid3D1->Frequency(), 1);
    EXPECT_EQ(s.Camera1->AngleOfView(), 45);
    EXPECT_EQ(s.Light1->Color(), 0xFFFFFFFFu);
    EXPECT_EQ(s.Light1->LightType(), TLightType::Directional);
    EXPECT_EQ(s.Viewport3D1->Color(), 0xFF000000u);
    EXPECT_EQ(s.Viewport3D1->Camera(), s.Camera1);
    EXPECT_FALSE(s.Viewport3D1->UsingDesignCamera());
    EXPECT_EQ(s.Viewport3D1->Clock(), &clock);
    EXPECT_EQ(s.Viewport3D1->Width(), 736);
    EXPECT_EQ(s.Viewport3D1->Height(), 602);
}

TEST_F(DesignSceneTest, Texts)
{
    const DesignScene& s = scene;
    const struct {
        TText3D* text;
        float width, height;
        TMaterialSource* front;
        TTextAlign align;
        const char* content;
    } texts[] = {
        {s.Text3D2, 20, 100, s.ColorMaterialSource1, TTextAlign::Leading, ""},
        {s.Text3D4, 20, 5, s.ColorMaterialSource6, TTextAlign::Leading, ""},
        {s.Text3D1, 10, 2, s.ColorMaterialSource1, TTextAlign::Center, "R(1)"},
        {s.Text3D3, 20, 2, s.ColorMaterialSource5, TTextAlign::Center, "Step"},
    };
    for (const auto& t : texts) {
        const std::string name = t.text->Name.Str();
        EXPECT_EQ(t.text->Width(), t.width) << name;
        EXPECT_EQ(t.text->Height(), t.height) << name;
        EXPECT_EQ(t.text->Depth(), 0.3f) << name;
        EXPECT_EQ(t.text->MaterialSource(), t.front) << name;
        EXPECT_EQ(t.text->MaterialBackSource(), s.ColorMaterialSource3) << name;
        EXPECT_EQ(t.text->MaterialShaftSource(), s.ColorMaterialSource2) << name;
        EXPECT_EQ(t.text->HorzTextAlign(), t.align) << name;
        EXPECT_EQ(t.text->VertTextAlign(), t.align) << name;
        EXPECT_EQ(t.text->Text(), t.content) << name;
        EXPECT_EQ(t.text->Font().Size, 4) << name;
        EXPECT_EQ(t.text->Flatness(), 1) << name;
        EXPECT_EQ(t.text->Sides(), AllSides) << name;
    }
}

TEST_F(DesignSceneTest, Materials)
{
    const DesignScene& s = scene;
    const std::pair<TColorMaterialSource*, TAlphaColor> colours[] = {
        {s.ColorMaterialSource1, 0xFFC0C0C0}, {s.ColorMaterialSource2, 0xFFA9A9A9},
        {s.ColorMaterialSource3, 0xFFD3D3D3}, {s.ColorMaterialSource4, 0xFFC71585},
        {s.ColorMaterialSource5, 0xFFFFFF00}, {s.ColorMaterialSource6, 0xFF00FF7F},
    };
    for (const auto& [material, colour] : colours)
        EXPECT_EQ(material->Color, colour) << material->Name.Str();
    for (const auto& [material, texture] :
         {std::pair{s.LightMaterialSource1, "banner"}, std::pair{s.LightMaterialSource2, "ball"}}) {
        EXPECT_EQ(material->Diffuse, 0xFFFFFFFFu);
        EXPECT_EQ(material->Ambient, 0xFF202020u);
        EXPECT_EQ(material->Emissive, 0x00000000u);
        EXPECT_EQ(material->Specular, 0xFF606060u);
        EXPECT_EQ(material->Shininess, 30);
        EXPECT_EQ(material->Texture, texture);
    }
}

TEST_F(DesignSceneTest, Animations)
{
    const DesignScene& s = scene;
    using enum TInterpolationType;
    const struct {
        TFloatAnimation* animation;
        TFmxObject* parent;
        const char* path;
        float start, stop, duration;
        bool loop, autoReverse;
        TInterpolationType interpolation;
        TAnimationType type;
        bool enabled;
    } animations[] = {
        {s.FloatAnimation1, s.Sphere1, "RotationAngle.Y", 0, 359.9f, 2, true, false, Linear, TAnimationType::In, true},
        {s.FloatAnimation2, s.Sphere1, "Position.Y", 0, 0, 1, false, false, Bounce, TAnimationType::Out, false},
        {s.FloatAnimation3, s.Sphere1, "Position.X", 0, 0, 0.2f, false, false, Linear, TAnimationType::In, false},
        {s.FloatAnimation4, s.Camera1, "Position.X", -2, 7, 2, false, true, Linear, TAnimationType::In, false},
        {s.FloatAnimation5, s.Text3D4, "Position.X", 0, 0, 1.5f, false, false, Linear, TAnimationType::In, false},
        {s.FloatAnimation6, s.Text3D2, "Position.Y", 0, 0, 0.2f, false, false, Linear, TAnimationType::In, false},
        {s.FloatAnimation7, s.Plane3, "Position.Z", 0, 0, 2, false, false, Linear, TAnimationType::In, false},
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
    EXPECT_EQ(std::vector<TFmxObject*>(s.Sphere1->Children().begin(), s.Sphere1->Children().end()),
              (std::vector<TFmxObject*>{s.FloatAnimation1, s.FloatAnimation2, s.FloatAnimation3}));
}

TEST_F(DesignSceneTest, TemplateSpinStopsUnseenAfterItIsHidden)
{
    Advance(0.5);
    EXPECT_FLOAT_EQ(scene.Sphere1->RotationAngle.Y(), 359.9f / 4);
    scene.BuildRegisterLabels();
    EXPECT_TRUE(scene.FloatAnimation1->Running());
    Advance(0.01);
    EXPECT_FALSE(scene.FloatAnimation1->Running());
    EXPECT_EQ(scene.Sphere1->RotationAngle.Y(), 359.9f);
    EXPECT_EQ(scene.FloatAnimation1->Duration(), 2); // the template keeps its design values
    EXPECT_FALSE(driver.timerOn);
}

TEST_F(DesignSceneTest, RegisterLabels)
{
    scene.BuildRegisterLabels();
    EXPECT_FALSE(scene.Plane3->Visible());
    EXPECT_FALSE(scene.Sphere1->Visible());
    EXPECT_FALSE(scene.Text3D1->Visible());

    int visibleTexts = 0;
    for (TFmxObject* child : scene.Viewport3D1->Children())
        if (child->Kind() == TObjectKind::Text3D && child->Visible())
            ++visibleTexts;
    EXPECT_EQ(visibleTexts, 14); // thirteen labels and the step counter

    for (int i = 0; i < DesignScene::LabelCount; ++i) {
        const TText3D* label = scene.Labels[static_cast<std::size_t>(i)];
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->Text(), "R(" + std::to_string(i + 1) + ")");
        EXPECT_EQ(label->Position.Point(), (Vector3{static_cast<float>(i), 0.5f, -1})) << i;
        EXPECT_EQ(label->Scale.Point(), (Vector3{0.1f, 0.5f, 1})) << i;
        EXPECT_EQ(label->Width(), 10);
        EXPECT_EQ(label->Height(), 2);
        EXPECT_TRUE(label->Visible());
        EXPECT_TRUE(label->ParentedVisible());
        EXPECT_EQ(label->Parent(), scene.Viewport3D1);
        EXPECT_EQ(label->Owner(), &scene.Form);
        EXPECT_TRUE(label->Name.Empty());
        EXPECT_EQ(label->MaterialSource(), scene.ColorMaterialSource1);
        EXPECT_EQ(label->HorzTextAlign(), TTextAlign::Center);
    }
    EXPECT_EQ(scene.Labels.back()->Text(), "R(13)");
    EXPECT_EQ(scene.Labels.back()->Position.X(), 12);
}

TEST_F(DesignSceneTest, BallCopiedFromTheTemplateStartsHiddenWithItsAnimations)
{
    scene.BuildRegisterLabels();
    Advance(0.01);
    auto* ball = scene.Sphere1->CloneAs<TSphere>(&scene.Form);
    ball->SetParent(scene.Sphere1->Parent());
    EXPECT_FALSE(ball->Visible());
    EXPECT_EQ(ball->ChildCount(), 3u);
    EXPECT_EQ(ball->MaterialSource(), scene.LightMaterialSource2);
    EXPECT_EQ(clock.Count(), 0u);
}

TEST(DesignSceneLifetime, FreeingTheSceneFreesBallsWithRunningAnimations)
{
    ManualClockDriver driver;
    AnimationClock clock(driver);
    {
        DesignScene scene(clock);
        scene.BuildRegisterLabels();
        driver.now += 0.01;
        clock.OnTimer(); // the template's spin stops unseen
        for (int i = 0; i < 20; ++i) {
            auto* ball = scene.Sphere1->CloneAs<TSphere>(&scene.Form);
            ball->SetParent(scene.Viewport3D1);
            ball->SetVisible(true);
            auto* spin = scene.FloatAnimation1->CloneAs<TFloatAnimation>(&scene.Form);
            spin->SetParent(ball);
            spin->Start();
        }
        scene.FloatAnimation4->Start();
        EXPECT_EQ(clock.Count(), 21u);
    }
    EXPECT_EQ(clock.Count(), 0u);
    EXPECT_FALSE(driver.timerOn);
}

} // namespace
} // namespace tessivar::scene::testing
