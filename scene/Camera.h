#pragma once

#include "PlacedObject.h"

namespace tessivar::scene {

// Looks along its local +Z; its local -Y is up on the screen.
class Camera final : public PlacedObject {
public:
    using PlacedObject::PlacedObject;
    ~Camera() override;
    ObjectKind Kind() const override { return ObjectKind::Camera; }

    static constexpr float NearPlane = 1;
    static constexpr float FarPlane = 1000;

    // Vertical field of view in degrees.
    float AngleOfView() const { return angleOfView_; }
    void SetAngleOfView(float degrees);

    Vector3 EyePosition() const; // in scene coordinates
    Vector3 LookDirection() const; // unit vector, scene coordinates
    // Scene to camera: the camera at the origin looking along +Z, +Y down.
    Matrix4 ViewMatrix() const;
    // Camera to OpenGL clip space (row vectors): x right, y up (scene -Y),
    // z from -1 at the near plane to 1 at the far plane, w = depth.
    Matrix4 ProjectionMatrix(float aspect) const;

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
    FloatTarget ResolveFloat(const std::string_view* components, std::size_t count) override;

private:
    float angleOfView_ = 45;
};

} // namespace tessivar::scene
