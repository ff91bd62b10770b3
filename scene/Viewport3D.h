#pragma once

#include "Materials.h"
#include "SceneObject.h"

#include <cstdint>

namespace tessivar::scene {

class AnimationClock;
class TCamera;

// The root of a scene: the 3D view in the window. Objects whose parent chain
// reaches it are attached to a window: their animations run on its clock.
class TViewport3D final : public TFmxObject {
public:
    explicit TViewport3D(TFmxObject* owner);
    ~TViewport3D() override;
    TObjectKind Kind() const override { return TObjectKind::Viewport3D; }

    TAlphaColor Color() const { return color_; }
    void SetColor(TAlphaColor color);

    // The camera the view is seen through (when UsingDesignCamera is false).
    TCamera* Camera() const { return camera_; }
    void SetCamera(TCamera* camera);
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

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;

private:
    friend class TFmxObject;
    friend class TCamera;

    std::uint64_t revision_ = 0;
    AnimationClock* clock_ = nullptr;
    TCamera* camera_ = nullptr;
    TAlphaColor color_ = 0xFF000000;
    float width_ = 0, height_ = 0;
    bool usingDesignCamera_ = true;
};

inline void TFmxObject::Changed()
{
    if (root_)
        ++root_->revision_;
}

} // namespace tessivar::scene
