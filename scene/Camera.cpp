#include "Camera.h"

#include "SameText.h"
#include "SceneRoot.h"

#include <cmath>
#include <numbers>

namespace tessivar::scene {

Camera::~Camera()
{
    if (Root() && Root()->camera_ == this)
        Root()->SetCamera(nullptr);
}

void Camera::SetAngleOfView(float degrees)
{
    SetField(angleOfView_, degrees);
}

Vector3 Camera::EyePosition() const
{
    return AbsoluteMatrix().Row(3);
}

Vector3 Camera::LookDirection() const
{
    return AbsoluteMatrix().Row(2).Normalized();
}

Matrix4 Camera::ViewMatrix() const
{
    return AbsoluteMatrix().AffineInverse();
}

Matrix4 Camera::ProjectionMatrix(float aspect) const
{
    const double halfAngle = static_cast<double>(angleOfView_) * std::numbers::pi / 360.0;
    const float h = static_cast<float>(1.0 / std::tan(halfAngle));
    const float n = NearPlane, f = FarPlane;
    Matrix4 p;
    p.m[0][0] = h / aspect;
    p.m[1][1] = -h; // scene Y points down, clip Y up
    p.m[2][2] = (f + n) / (f - n);
    p.m[2][3] = 1;
    p.m[3][2] = -2 * f * n / (f - n);
    return p;
}

SceneObject* Camera::CloneSelf(SceneObject* owner) const
{
    auto* copy = new Camera(owner, *this);
    copy->angleOfView_ = angleOfView_;
    return copy;
}

FloatTarget Camera::ResolveFloat(const std::string_view* components, std::size_t count)
{
    if (count == 1 && SameText(components[0], "AngleOfView"))
        return {&angleOfView_, this, false};
    return PlacedObject::ResolveFloat(components, count);
}

} // namespace tessivar::scene
