#pragma once

#include "AnimationClock.h"
#include "Camera.h"
#include "FloatAnimation.h"
#include "Materials.h"
#include "Objects3D.h"
#include "SceneObject.h"
#include "Text3D.h"
#include "Viewport3D.h"

#include <array>

namespace tessivar::scene {

// Every object of the window's 3D design under its design name, with its
// design values. Form owns them all, and every run-time copy made with
// Clone(Form) goes with it. Enabled animations start when the design has been
// loaded, that is at the end of the constructor.
struct DesignScene {
    explicit DesignScene(AnimationClock& clock);
    DesignScene(const DesignScene&) = delete;
    DesignScene& operator=(const DesignScene&) = delete;

    // The window's show event: hides the templates Plane3, Sphere1 and
    // Text3D1 and makes the thirteen register labels R(1) .. R(13).
    void BuildRegisterLabels();

    TComponentOwner Form;

    TColorMaterialSource* ColorMaterialSource1;
    TColorMaterialSource* ColorMaterialSource2;
    TColorMaterialSource* ColorMaterialSource3;
    TColorMaterialSource* ColorMaterialSource4;
    TColorMaterialSource* ColorMaterialSource5;
    TColorMaterialSource* ColorMaterialSource6;
    TLightMaterialSource* LightMaterialSource1;
    TLightMaterialSource* LightMaterialSource2;

    TViewport3D* Viewport3D1;
    TGrid3D* Grid3D1;
    TPlane* Plane3;
    TSphere* Sphere1;
    TDummy* Dummy1;
    TCamera* Camera1;
    TDummy* Dummy2;
    TText3D* Text3D2;
    TPlane* Plane2;
    TText3D* Text3D4;
    TLight* Light1;
    TText3D* Text3D1;
    TPlane* Plane1;
    TText3D* Text3D3;

    TFloatAnimation* FloatAnimation1;
    TFloatAnimation* FloatAnimation2;
    TFloatAnimation* FloatAnimation3;
    TFloatAnimation* FloatAnimation4;
    TFloatAnimation* FloatAnimation5;
    TFloatAnimation* FloatAnimation6;
    TFloatAnimation* FloatAnimation7;

    static constexpr int LabelCount = 13;
    // The labels made by BuildRegisterLabels, R(1) first; null before.
    std::array<TText3D*, LabelCount> Labels{};
};

} // namespace tessivar::scene
