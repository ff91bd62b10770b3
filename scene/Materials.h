#pragma once

#include "SceneObject.h"

#include <cstdint>

namespace tessivar::scene {

// Colours are ARGB: 0xAARRGGBB.
using TAlphaColor = std::uint32_t;

// A material object shared by reference between scene objects and their clones.
class TMaterialSource : public TFmxObject {
public:
    using TFmxObject::TFmxObject;
};

// Paints its colour flat and ignores the light.
class TColorMaterialSource final : public TMaterialSource {
public:
    explicit TColorMaterialSource(TFmxObject* owner, TAlphaColor color = 0xFFFFFFFF)
        : TMaterialSource(owner), Color(color)
    {}
    TObjectKind Kind() const override { return TObjectKind::ColorMaterialSource; }

    TAlphaColor Color;

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
};

// Shaded by the light, with its picture as the surface colour.
class TLightMaterialSource final : public TMaterialSource {
public:
    using TMaterialSource::TMaterialSource;
    TObjectKind Kind() const override { return TObjectKind::LightMaterialSource; }

    TAlphaColor Diffuse = 0xFFFFFFFF;
    TAlphaColor Ambient = 0xFF202020;
    TAlphaColor Emissive = 0x00000000; // none
    TAlphaColor Specular = 0xFF606060;
    int Shininess = 30;
    // The picture by resource name ("banner", "ball"); the renderer loads it.
    SharedString Texture;

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
};

} // namespace tessivar::scene
