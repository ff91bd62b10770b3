#include "Stage.h"

#include <string>

namespace tessivar::scene {

namespace {

constexpr Argb Black = 0xFF000000;
constexpr Argb White = 0xFFFFFFFF;
constexpr Argb Silver = 0xFFC0C0C0;
constexpr Argb DarkGray = 0xFFA9A9A9;
constexpr Argb LightGray = 0xFFD3D3D3;
constexpr Argb MediumVioletRed = 0xFFC71585;
constexpr Argb Yellow = 0xFFFFFF00;
constexpr Argb SpringGreen = 0xFF00FF7F;
constexpr Argb CadetBlue = 0xFF5F9EA0;

// The view's size in the window at its designed size.
constexpr float DesignViewWidth = 736;
constexpr float DesignViewHeight = 602;

template <class T> T* Make(SceneObject& owner, SceneObject* parent, const char* name)
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

void Place(PlacedObject& object, const Placement& placement)
{
    object.Position.SetPoint(placement.position);
    object.RotationAngle.SetPoint(placement.rotation);
    object.Scale.SetPoint(placement.scale);
}

void Size(PlacedObject& object, float width, float height, float depth)
{
    object.SetWidth(width);
    object.SetHeight(height);
    object.SetDepth(depth);
}

LitMaterial* MakeLitMaterial(SceneObject& owner, const char* name, const char* texture)
{
    auto* material = Make<LitMaterial>(owner, nullptr, name);
    material->Diffuse = White;
    material->Ambient = 0xFF202020;
    material->Emissive = 0x00000000;
    material->Specular = 0xFF606060;
    material->Shininess = 30;
    material->Texture = texture;
    return material;
}

FlatMaterial* MakeFlatMaterial(SceneObject& owner, const char* name, Argb color)
{
    auto* material = Make<FlatMaterial>(owner, nullptr, name);
    material->Color = color;
    return material;
}

// Every 3D text of the design: Font.Size 4, Flatness 1, all sides, back and
// walls in the two greys.
struct TextDesign {
    Placement placement;
    float width, height;
    FlatMaterial* front;
    TextAlign align;
    const char* text;
};

Text3D* MakeText(SceneObject& owner, SceneObject* parent, const char* name, const TextDesign& design,
                 FlatMaterial* back, FlatMaterial* shaft)
{
    auto* text = Make<Text3D>(owner, parent, name);
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
    EasingCurve interpolation;
    EasingMode type;
    bool enabled;
};

FloatAnimation* MakeAnimation(SceneObject& owner, SceneObject* parent, const char* name, const AnimationDesign& design)
{
    auto* animation = Make<FloatAnimation>(owner, parent, name);
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

Stage::Stage(AnimationClock& clock)
{
    constexpr auto Linear = EasingCurve::Linear;
    constexpr auto Bounce = EasingCurve::Bounce;
    constexpr auto In = EasingMode::In;
    constexpr auto Out = EasingMode::Out;
    constexpr auto Center = TextAlign::Center;
    constexpr auto Leading = TextAlign::Leading;

    SilverMaterial = MakeFlatMaterial(Owner, "SilverMaterial", Silver);
    DarkGreyMaterial = MakeFlatMaterial(Owner, "DarkGreyMaterial", DarkGray);
    LightGreyMaterial = MakeFlatMaterial(Owner, "LightGreyMaterial", LightGray);
    VioletRedMaterial = MakeFlatMaterial(Owner, "VioletRedMaterial", MediumVioletRed);
    YellowMaterial = MakeFlatMaterial(Owner, "YellowMaterial", Yellow);
    GreenMaterial = MakeFlatMaterial(Owner, "GreenMaterial", SpringGreen);
    BannerMaterial = MakeLitMaterial(Owner, "BannerMaterial", "banner");
    BallMaterial = MakeLitMaterial(Owner, "BallMaterial", "ball");
    FlatMaterial* const textBack = LightGreyMaterial;
    FlatMaterial* const textShaft = DarkGreyMaterial;

    Root = Make<SceneRoot>(Owner, nullptr, "Root");
    Root->SetColor(Black);
    Root->SetSize(DesignViewWidth, DesignViewHeight);

    ColumnRuler = Make<Grid>(Owner, Root, "ColumnRuler");
    Place(*ColumnRuler, {{49, 0, 0}, {90, 0, 0}});
    Size(*ColumnRuler, 99.2f, 1.8f, 0.001f);
    ColumnRuler->SetLineColor(CadetBlue);
    ColumnRuler->SetMarks(1);
    ColumnRuler->SetFrequency(1);

    ComparisonPlane = Make<Plane>(Owner, ColumnRuler, "ComparisonPlane");
    ComparisonPlane->SetWidth(99.2f);
    ComparisonPlane->SetHeight(1.8f);
    ComparisonPlane->SetMaterialSource(YellowMaterial);

    BallTemplate = Make<Ball>(Owner, Root, "BallTemplate");
    Place(*BallTemplate, {{0, -0.5f, 0}, {}, {0.5f, 0.5f, 0.5f}});
    Size(*BallTemplate, 1, 1, 1);
    BallTemplate->SetMaterialSource(BallMaterial);

    CameraRig = Make<Group>(Owner, Root, "CameraRig");
    Place(*CameraRig, {{0, 0, 0}, {345, 0, 0}});

    ViewCamera = Make<Camera>(Owner, CameraRig, "ViewCamera");
    Place(*ViewCamera, {{-2, 0, -10}});
    ViewCamera->SetAngleOfView(45);

    ListingFrame = Make<Group>(Owner, CameraRig, "ListingFrame");
    Place(*ListingFrame, {{-3, 10, 0}, {350, 0, 0}, {0.2f, 0.2f, 1}});

    ListingText = MakeText(Owner, ListingFrame, "ListingText", {{{0, 0, 0}}, 20, 100, SilverMaterial, Leading, ""},
                           textBack, textShaft);

    HighlightBar = Make<Plane>(Owner, ListingFrame, "HighlightBar");
    Place(*HighlightBar, {{-3, -47, 0}});
    HighlightBar->SetWidth(20);
    HighlightBar->SetHeight(5);
    HighlightBar->SetMaterialSource(VioletRedMaterial);

    InstructionText = MakeText(Owner, ListingFrame, "InstructionText",
                               {{{0, -47.5f, 0}}, 20, 5, GreenMaterial, Leading, ""}, textBack, textShaft);

    MainLight = Make<Light>(Owner, Root, "MainLight");
    Place(*MainLight, {{-4, -6, -10}, {290, 30, 0}});
    MainLight->SetColor(White);
    MainLight->SetLightType(LightKind::Directional);

    LabelTemplate
        = MakeText(Owner, Root, "LabelTemplate",
                   {{{0, 0.5f, -1}, {}, {0.1f, 0.5f, 1}}, 10, 2, SilverMaterial, Center, "R(1)"}, textBack, textShaft);

    Backdrop = Make<Plane>(Owner, Root, "Backdrop");
    Place(*Backdrop, {{-2, 0, 40}});
    Backdrop->SetWidth(47);
    Backdrop->SetHeight(17);
    Backdrop->SetMaterialSource(BannerMaterial);

    CounterText
        = MakeText(Owner, Root, "CounterText",
                   {{{0, 2, -1}, {}, {0.1f, 0.5f, 1}}, 20, 2, YellowMaterial, Center, "Step"}, textBack, textShaft);

    SpinTemplate = MakeAnimation(Owner, BallTemplate, "SpinTemplate",
                                 {"RotationAngle.Y", 0, 359.9f, 2, true, false, Linear, In, true});
    DropTemplate
        = MakeAnimation(Owner, BallTemplate, "DropTemplate", {"Position.Y", 0, 0, 1, false, false, Bounce, Out, false});
    SlideTemplate = MakeAnimation(Owner, BallTemplate, "SlideTemplate",
                                  {"Position.X", 0, 0, 0.2f, false, false, Linear, In, false});
    CameraPan = MakeAnimation(Owner, ViewCamera, "CameraPan", {"Position.X", -2, 7, 2, false, true, Linear, In, false});
    InstructionSlide = MakeAnimation(Owner, InstructionText, "InstructionSlide",
                                     {"Position.X", 0, 0, 1.5f, false, false, Linear, In, false});
    ListingScroll = MakeAnimation(Owner, ListingText, "ListingScroll",
                                  {"Position.Y", 0, 0, 0.2f, false, false, Linear, In, false});
    ComparisonRise = MakeAnimation(Owner, ComparisonPlane, "ComparisonRise",
                                   {"Position.Z", 0, 0, 2, false, false, Linear, In, false});

    Root->SetCamera(ViewCamera);
    Root->SetUsingDesignCamera(false);
    Root->SetClock(&clock);

    // Loaded: enabled animations start.
    for (FloatAnimation* animation :
         {SpinTemplate, DropTemplate, SlideTemplate, CameraPan, InstructionSlide, ListingScroll, ComparisonRise})
        if (animation->Enabled)
            animation->Start();
}

void Stage::BuildRegisterLabels()
{
    ComparisonPlane->SetVisible(false);
    BallTemplate->SetVisible(false);
    LabelTemplate->SetVisible(false);
    for (int i = 0; i < LabelCount; ++i) {
        auto* label = LabelTemplate->CloneAs<Text3D>(&Owner);
        label->SetParent(LabelTemplate->Parent());
        label->SetText("R(" + std::to_string(i + 1) + ")");
        label->Position.SetX(static_cast<float>(i));
        label->SetVisible(true);
        Labels[i] = label;
    }
}

} // namespace tessivar::scene
