#include "Light.h"

namespace tessivar::scene {

void Light::SetLightType(LightKind type)
{
    SetField(lightType_, type);
}

void Light::SetColor(Argb color)
{
    SetField(color_, color);
}

Vector3 Light::Direction() const
{
    return AbsoluteMatrix().TransformDirection({0, 0, 1}).Normalized();
}

SceneObject* Light::CloneSelf(SceneObject* owner) const
{
    auto* copy = new Light(owner, *this);
    copy->lightType_ = lightType_;
    copy->color_ = color_;
    return copy;
}

} // namespace tessivar::scene
