#include "DesignScene.h"

#include <string>

namespace tessivar::scene {

namespace {

constexpr TAlphaColor Black = 0xFF000000;
constexpr TAlphaColor White = 0xFFFFFFFF;
constexpr TAlphaColor Silver = 0xFFC0C0C0;
constexpr TAlphaColor DarkGray = 0xFFA9A9A9;
constexpr TAlphaColor LightGray = 0xFFD3D3D3;
constexpr TAlphaColor MediumVioletRed = 0xFFC71585;
constexpr TAlphaColor Yellow = 0xFFFFFF00;
constexpr TAlphaColor SpringGreen = 0xFF00FF7F;
constexpr TAlphaColor CadetBlue = 0xFF5F9EA0;

// The view's size in the window at its designed size.
constexpr float DesignViewWidth = 736;
constexpr float DesignViewHeight = 602;

template <class T> T* Make(TFmxObject& owner, TFmxObject* parent, const char* name)
{
    auto* object = new T(&owner);
    object->Name = name;
    object->SetParent(parent);
    return object;
}

struct Placement {
    Vector3 position;
    Vector3 rotation{};
    Vector3 scale{1, 1, 1};
};

void Place(TControl3D& object, const Placement& placement)
{
    object.Position.SetPoint(placement.position);
    object.RotationAngle.SetPoint(placement.rotation);
    object.Scale.SetPoint(placement.scale);
}

void Size(TControl3D& object, float width, float height, float depth)
{
    object.SetWidth(width);
    object.SetHeight(height);
    object.SetDepth(depth);
}

TLightMaterialSource* MakeLitMaterial(TFmxObject& owner, const char* name, const char* texture)
{
    auto* material = Make<TLightMaterialSource>(owner, nullptr, name);
    material->Diffuse = White;
    material->Ambient = 0xFF202020;
    material->Emissive = 0x00000000;
    material->Specular = 0xFF606060;
    material->Shininess = 30;
    material->Texture = texture;
    return material;
}

TColorMaterialSource* MakeColorMaterial(TFmxObject& owner, const char* name, TAlphaColor color)
{
    auto* material = Make<TColorMaterialSource>(owner, nullptr, name);
    material->Color = color;
    return material;
}

// Every 3D text of the design: Font.Size 4, Flatness 1, all sides, back and
// walls in the two greys.
struct TextDesign {
    Placement placement;
    float width, height;
    TColorMaterialSource* front;
    TTextAlign align;
    const char* text;
};

TText3D* MakeText(TFmxObject& owner, TFmxObject* parent, const char* name, const TextDesign& design,
                  TColorMaterialSource* back, TColorMaterialSource* shaft)
{
    auto* text = Make<TText3D>(owner, parent, name);
    Place(*text, design.placement);
    Size(*text, design.width, design.height, 0.3f);
    text->SetFontSize(4);
    text->SetFlatness(1);
    text->SetSides(AllSides);
    text->SetHorzTextAlign(design.align);
    text->SetVertTextAlign(design.align);
    text->SetMaterialSource(design.front);
    text->SetMaterialBackSource(back);
    text->SetMaterialShaftSource(shaft);
    text->SetText(design.text);
    return text;
}

struct AnimationDesign {
    const char* propertyName;
    float startValue, stopValue, duration;
    bool loop, autoReverse;
    TInterpolationType interpolation;
    TAnimationType type;
    bool enabled;
};

TFloatAnimation* MakeAnimation(TFmxObject& owner, TFmxObject* parent, const char* name, const AnimationDesign& design)
{
    auto* animation = Make<TFloatAnimation>(owner, parent, name);
    animation->PropertyName = design.propertyName;
    animation->SetStartValue(design.startValue);
    animation->SetStopValue(design.stopValue);
    animation->SetDuration(design.duration);
    animation->SetLoop(design.loop);
    animation->SetAutoReverse(design.autoReverse);
    animation->SetInterpolation(design.interpolation);
    animation->SetAnimationType(design.type);
    animation->Enabled = design.enabled;
    return animation;
}

} // namespace

DesignScene::DesignScene(AnimationClock& clock)
{
    constexpr auto Linear = TInterpolationType::Linear;
    constexpr auto Bounce = TInterpolationType::Bounce;
    constexpr auto In = TAnimationType::In;
    constexpr auto Out = TAnimationType::Out;
    constexpr auto Center = TTextAlign::Center;
    constexpr auto Leading = TTextAlign::Leading;

    ColorMaterialSource1 = MakeColorMaterial(Form, "ColorMaterialSource1", Silver);
    ColorMaterialSource2 = MakeColorMaterial(Form, "ColorMaterialSource2", DarkGray);
    ColorMaterialSource3 = MakeColorMaterial(Form, "ColorMaterialSource3", LightGray);
    ColorMaterialSource4 = MakeColorMaterial(Form, "ColorMaterialSource4", MediumVioletRed);
    ColorMaterialSource5 = MakeColorMaterial(Form, "ColorMaterialSource5", Yellow);
    ColorMaterialSource6 = MakeColorMaterial(Form, "ColorMaterialSource6", SpringGreen);
    LightMaterialSource1 = MakeLitMaterial(Form, "LightMaterialSource1", "banner");
    LightMaterialSource2 = MakeLitMaterial(Form, "LightMaterialSource2", "ball");
    TColorMaterialSource* const textBack = ColorMaterialSource3;
    TColorMaterialSource* const textShaft = ColorMaterialSource2;

    Viewport3D1 = Make<TViewport3D>(Form, nullptr, "Viewport3D1");
    Viewport3D1->SetColor(Black);
    Viewport3D1->SetSize(DesignViewWidth, DesignViewHeight);

    Grid3D1 = Make<TGrid3D>(Form, Viewport3D1, "Grid3D1");
    Place(*Grid3D1, {{49, 0, 0}, {90, 0, 0}});
    Size(*Grid3D1, 99.2f, 1.8f, 0.001f);
    Grid3D1->SetLineColor(CadetBlue);
    Grid3D1->SetMarks(1);
    Grid3D1->SetFrequency(1);

    Plane3 = Make<TPlane>(Form, Grid3D1, "Plane3");
    Plane3->SetWidth(99.2f);
    Plane3->SetHeight(1.8f);
    Plane3->SetMaterialSource(ColorMaterialSource5);

    Sphere1 = Make<TSphere>(Form, Viewport3D1, "Sphere1");
    Place(*Sphere1, {{0, -0.5f, 0}, {}, {0.5f, 0.5f, 0.5f}});
    Size(*Sphere1, 1, 1, 1);
    Sphere1->SetMaterialSource(LightMaterialSource2);

    Dummy1 = Make<TDummy>(Form, Viewport3D1, "Dummy1");
    Place(*Dummy1, {{0, 0, 0}, {345, 0, 0}});

    Camera1 = Make<TCamera>(Form, Dummy1, "Camera1");
    Place(*Camera1, {{-2, 0, -10}});
    Camera1->SetAngleOfView(45);

    Dummy2 = Make<TDummy>(Form, Dummy1, "Dummy2");
    Place(*Dummy2, {{-3, 10, 0}, {350, 0, 0}, {0.2f, 0.2f, 1}});

    Text3D2 = MakeText(Form, Dummy2, "Text3D2", {{{0, 0, 0}}, 20, 100, ColorMaterialSource1, Leading, ""}, textBack,
                       textShaft);

    Plane2 = Make<TPlane>(Form, Dummy2, "Plane2");
    Place(*Plane2, {{-3, -47, 0}});
    Plane2->SetWidth(20);
    Plane2->SetHeight(5);
    Plane2->SetMaterialSource(ColorMaterialSource4);

    Text3D4 = MakeText(Form, Dummy2, "Text3D4", {{{0, -47.5f, 0}}, 20, 5, ColorMaterialSource6, Leading, ""}, textBack,
                       textShaft);

    Light1 = Make<TLight>(Form, Viewport3D1, "Light1");
    Place(*Light1, {{-4, -6, -10}, {290, 30, 0}});
    Light1->SetColor(White);
    Light1->SetLightType(TLightType::Directional);

    Text3D1 = MakeText(Form, Viewport3D1, "Text3D1",
                       {{{0, 0.5f, -1}, {}, {0.1f, 0.5f, 1}}, 10, 2, ColorMaterialSource1, Center, "R(1)"}, textBack,
                       textShaft);

    Plane1 = Make<TPlane>(Form, Viewport3D1, "Plane1");
    Place(*Plane1, {{-2, 0, 40}});
    Plane1->SetWidth(47);
    Plane1->SetHeight(17);
    Plane1->SetMaterialSource(LightMaterialSource1);

    Text3D3 = MakeText(Form, Viewport3D1, "Text3D3",
                       {{{0, 2, -1}, {}, {0.1f, 0.5f, 1}}, 20, 2, ColorMaterialSource5, Center, "Step"}, textBack,
                       textShaft);

    FloatAnimation1 = MakeAnimation(Form, Sphere1, "FloatAnimation1",
                                    {"RotationAngle.Y", 0, 359.9f, 2, true, false, Linear, In, true});
    FloatAnimation2
        = MakeAnimation(Form, Sphere1, "FloatAnimation2", {"Position.Y", 0, 0, 1, false, false, Bounce, Out, false});
    FloatAnimation3
        = MakeAnimation(Form, Sphere1, "FloatAnimation3", {"Position.X", 0, 0, 0.2f, false, false, Linear, In, false});
    FloatAnimation4
        = MakeAnimation(Form, Camera1, "FloatAnimation4", {"Position.X", -2, 7, 2, false, true, Linear, In, false});
    FloatAnimation5
        = MakeAnimation(Form, Text3D4, "FloatAnimation5", {"Position.X", 0, 0, 1.5f, false, false, Linear, In, false});
    FloatAnimation6
        = MakeAnimation(Form, Text3D2, "FloatAnimation6", {"Position.Y", 0, 0, 0.2f, false, false, Linear, In, false});
    FloatAnimation7
        = MakeAnimation(Form, Plane3, "FloatAnimation7", {"Position.Z", 0, 0, 2, false, false, Linear, In, false});

    Viewport3D1->SetCamera(Camera1);
    Viewport3D1->SetUsingDesignCamera(false);
    Viewport3D1->SetClock(&clock);

    // Loaded: enabled animations start.
    for (TFloatAnimation* animation : {FloatAnimation1, FloatAnimation2, FloatAnimation3, FloatAnimation4,
                                       FloatAnimation5, FloatAnimation6, FloatAnimation7})
        if (animation->Enabled)
            animation->Start();
}

void DesignScene::BuildRegisterLabels()
{
    Plane3->SetVisible(false);
    Sphere1->SetVisible(false);
    Text3D1->SetVisible(false);
    for (int i = 0; i < LabelCount; ++i) {
        auto* label = Text3D1->CloneAs<TText3D>(&Form);
        label->SetParent(Text3D1->Parent());
        label->SetText("R(" + std::to_string(i + 1) + ")");
        label->Position.SetX(static_cast<float>(i));
        label->SetVisible(true);
        Labels[i] = label;
    }
}

} // namespace tessivar::scene
