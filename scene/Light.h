#pragma once

#include "Argb.h"
#include "PlacedObject.h"

#include <cstdint>

namespace tessivar::scene {

enum class LightKind : std::uint8_t { Directional, Point, Spot };

// A light; a directional one shines along its local +Z as turned by its
// rotation (and its parents'); its position plays no part.
class Light final : public PlacedObject {
public:
    using PlacedObject::PlacedObject;
    ObjectKind Kind() const override { return ObjectKind::Light; }

    LightKind LightType() const { return lightType_; }
    void SetLightType(LightKind type);
    Argb Color() const { return color_; }
    void SetColor(Argb color);
    // Unit vector along which the light travels, in scene coordinates.
    Vector3 Direction() const;

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;

private:
    LightKind lightType_ = LightKind::Directional;
    Argb color_ = 0xFFFFFFFF;
};

} // namespace tessivar::scene
