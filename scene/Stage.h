#pragma once

#include "AnimationClock.h"
#include "Ball.h"
#include "Camera.h"
#include "FloatAnimation.h"
#include "Grid.h"
#include "Group.h"
#include "Light.h"
#include "Materials.h"
#include "Plane.h"
#include "SceneOwner.h"
#include "SceneRoot.h"
#include "Text3D.h"

#include <array>

namespace tessivar::scene {

// Every object of the window's 3D scene, named by its role, with its designed
// values. Owner owns them all, and every run-time copy made with Clone(&Owner)
// goes with it. Enabled animations start when the stage has been built, that is
// at the end of the constructor.
struct Stage {
    explicit Stage(AnimationClock& clock);
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    // The window's show event: hides the templates ComparisonPlane, BallTemplate and
    // LabelTemplate and makes the thirteen register labels R(1) .. R(13).
    void BuildRegisterLabels();

    SceneOwner Owner;

    FlatMaterial* SilverMaterial; // fronts of the listing and the labels
    FlatMaterial* DarkGreyMaterial; // side walls of every text
    FlatMaterial* LightGreyMaterial; // backs of every text
    FlatMaterial* VioletRedMaterial; // the highlight bar
    FlatMaterial* YellowMaterial; // the counter's front and the comparison plane
    FlatMaterial* GreenMaterial; // the instruction text's front
    LitMaterial* BannerMaterial; // the backdrop's picture
    LitMaterial* BallMaterial; // every ball's picture

    SceneRoot* Root;
    Grid* ColumnRuler; // the floor ruler under the register columns
    Plane* ComparisonPlane; // rises over the ruler to compare two stacks
    Ball* BallTemplate;
    Group* CameraRig; // tilts the camera and the listing frame together
    Camera* ViewCamera;
    Group* ListingFrame; // beside the camera: listing, bar, instruction text
    Text3D* ListingText;
    Plane* HighlightBar; // behind the current line of the listing
    Text3D* InstructionText; // the instruction being executed
    Light* MainLight;
    Text3D* LabelTemplate; // register labels R(1) .. R(13)
    Plane* Backdrop; // the banner far behind the registers
    Text3D* CounterText; // the step counter

    FloatAnimation* SpinTemplate; // a ball's spin
    FloatAnimation* DropTemplate; // a ball's bouncing drop or fall
    FloatAnimation* SlideTemplate; // a ball's slide to another column
    FloatAnimation* CameraPan; // the camera out to a column and back
    FloatAnimation* InstructionSlide; // the instruction text sliding away
    FloatAnimation* ListingScroll; // the listing to the next line
    FloatAnimation* ComparisonRise; // the comparison plane rising

    static constexpr int LabelCount = 13;
    // The labels made by BuildRegisterLabels, R(1) first; null before.
    std::array<Text3D*, LabelCount> Labels{};
};

} // namespace tessivar::scene
