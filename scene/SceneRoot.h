#pragma once

#include "Materials.h"
#include "SceneObject.h"

#include <cstdint>

namespace tessivar::scene {

class AnimationClock;
class Camera;

// The root of a scene: the 3D view in the window. Objects whose parent chain
// reaches it are attached to a window: their animations run on its clock.
class SceneRoot final : public SceneObject {
public:
    explicit SceneRoot(SceneObject* owner);
    ~SceneRoot() override;
    ObjectKind Kind() const override { return ObjectKind::Root; }

    Argb Color() const { return color_; }
    void SetColor(Argb color);

    // The camera the view is seen through (when UsingDesignCamera is false).
    scene::Camera* Camera() const { return camera_; }
    void SetCamera(scene::Camera* camera);
    bool UsingDesignCamera() const { return usingDesignCamera_; }
    void SetUsingDesignCamera(bool value);

    // Size of the view in pixels; the projection's aspect is Width / Height.
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetSize(float width, float height);

    void SetVisible(bool visible) { SetVisibleFlag(visible); }

    // The clock that runs the animations of this scene; without one, every
    // animation in it runs immediately.
    AnimationClock* Clock() const { return clock_; }
    void SetClock(AnimationClock* clock) { clock_ = clock; }

    // Grows whenever anything in the scene changes (values, texts, visibility,
    // children, freed objects), animations included: redraw when it moved.
    std::uint64_t Revision() const { return revision_; }
    // Grows whenever the visible objects that a view draws, or their order
    // or materials, may have changed (objects placed, freed, shown, hidden,
    // painted anew); not when their values change.
    std::uint64_t OutlineRevision() const { return outlineRevision_; }

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;

private:
    friend class SceneObject;
    friend class Camera;

    std::uint64_t revision_ = 0;
    std::uint64_t outlineRevision_ = 0;
    AnimationClock* clock_ = nullptr;
    scene::Camera* camera_ = nullptr;
    Argb color_ = 0xFF000000;
    float width_ = 0, height_ = 0;
    bool usingDesignCamera_ = true;
};

inline void SceneObject::Changed()
{
    if (root_)
        lastChange_ = ++root_->revision_;
}

inline void SceneObject::OutlineChanged()
{
    if (root_ && placed_)
        ++root_->outlineRevision_;
}

} // namespace tessivar::scene
