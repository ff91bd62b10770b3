#pragma once

#include "BallPose.h"
#include "Frustum.h"
#include "Grid.h"
#include "Light.h"
#include "Plane.h"
#include "SceneRoot.h"
#include "Text3D.h"

#include <cstdint>
#include <vector>

namespace tessivar::render {

// A visible object and its local-to-scene matrix.
template <class T> struct Placed {
    const T* Object;
    scene::Matrix4 World;
};

// The balls of one material that show, placed.
struct BallBatch {
    const scene::Material* Material;
    PlacedBalls Balls;
};

// What one frame draws, gathered in one pass over the scene.
struct SceneFrame {
    std::vector<Placed<scene::Plane>> Planes;
    std::vector<Placed<scene::Text3D>> Texts;
    std::vector<Placed<scene::Grid>> Grids;
    // The worlds of the objects that have visible balls as children.
    std::vector<scene::Matrix4> BallParents;
    // Filled by WalkScene; GatherScene hands the balls on instead.
    std::vector<BallBatch> Balls;
    // The first visible directional light, if any.
    const scene::Light* Light = nullptr;
};

// Takes the visible balls of a pass over the scene, in drawing order, each
// with the index of its parent's world in SceneFrame::BallParents.
class BallSink {
public:
    virtual void Add(const scene::Ball& ball, std::uint32_t parent) = 0;

protected:
    ~BallSink() = default;
};

// Visits every visible object under the viewport (an invisible object hides
// its children too) and hands each ball to `balls`. A sphere's children are
// not drawn: balls carry only their animations.
SceneFrame GatherScene(const scene::SceneRoot& viewport, BallSink& balls);

// GatherScene for the frames of one viewport. The visible objects are kept
// in drawing order while the scene's outline stays (OutlineRevision): the
// next pass goes down that list rather than the scene's linked children,
// whose pointer chase would cost a cache miss per ball, one after another.
class SceneOutline {
public:
    SceneFrame Gather(const scene::SceneRoot& viewport, BallSink& balls);

    // One visible object: its parent is the viewport (Viewport) or the
    // object of an earlier step that is not a ball, counted among those.
    struct Step {
        const scene::PlacedObject* Object;
        std::uint32_t Parent;
        scene::ObjectKind Kind;
    };
    static constexpr std::uint32_t Viewport = 0xFFFFFFFF;

private:
    SceneFrame Replay(BallSink& balls) const;

    std::vector<Step> steps_;
    const scene::SceneRoot* viewport_ = nullptr;
    std::uint64_t outlineRevision_ = 0;
};

// GatherScene with the balls placed in the frame, by material, those outside
// `view` left out and those that meet other geometry set apart.
SceneFrame WalkScene(const scene::SceneRoot& viewport, const Frustum& view);

} // namespace tessivar::render
