#pragma once

#include "BallInstance.h"
#include "Frustum.h"
#include "Grid.h"
#include "Light.h"
#include "Plane.h"
#include "SceneRoot.h"
#include "Text3D.h"

#include <vector>

namespace tessivar::render {

// A visible object and its local-to-scene matrix.
template <class T> struct Placed {
    const T* Object;
    scene::Matrix4 World;
};

// The balls of one material, those that can show.
struct BallBatch {
    const scene::Material* Material;
    std::vector<BallInstance> Instances;
    // Those that meet other geometry (planes, texts, grids), drawn with the
    // depth of the sphere itself.
    std::vector<BallInstance> Touching;
};

// What one frame draws, gathered in one pass over the scene.
struct SceneFrame {
    std::vector<Placed<scene::Plane>> Planes;
    std::vector<Placed<scene::Text3D>> Texts;
    std::vector<Placed<scene::Grid>> Grids;
    std::vector<BallBatch> Balls;
    // The first visible directional light, if any.
    const scene::Light* Light = nullptr;
};

// Visits every visible object under the viewport (an invisible object hides
// its children too); balls that lie outside `view` are left out, and those
// that meet other geometry are set apart in their batch's Touching list. A
// sphere's children are not drawn: balls carry only their animations.
SceneFrame WalkScene(const scene::SceneRoot& viewport, const Frustum& view);

} // namespace tessivar::render
