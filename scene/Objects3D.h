#pragma once

#include "Control3D.h"
#include "Materials.h"

namespace tessivar::scene {

// A group that draws nothing; its children follow it.
class TDummy final : public TControl3D {
public:
    using TControl3D::TControl3D;
    TObjectKind Kind() const override { return TObjectKind::Dummy; }

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
};

enum class TLightType : std::uint8_t { Directional, Point, Spot };

// A light; a directional one shines along its local +Z as turned by its
// rotation (and its parents'); its position plays no part.
class TLight final : public TControl3D {
public:
    using TControl3D::TControl3D;
    TObjectKind Kind() const override { return TObjectKind::Light; }

    TLightType LightType() const { return lightType_; }
    void SetLightType(TLightType type);
    TAlphaColor Color() const { return color_; }
    void SetColor(TAlphaColor color);
    // Unit vector along which the light travels, in scene coordinates.
    Vector3 Direction() const;

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;

private:
    TLightType lightType_ = TLightType::Directional;
    TAlphaColor color_ = 0xFFFFFFFF;
};

// Line segments in the local XY plane: lines parallel to Y at X = 0,
// ±Frequency, ... while |X| < Width/2, and parallel to X likewise; a line at a
// whole offset that is a multiple of Marks takes LineColor with alpha 0xA0.
class TGrid3D final : public TControl3D {
public:
    using TControl3D::TControl3D;
    TObjectKind Kind() const override { return TObjectKind::Grid3D; }

    float Marks() const { return marks_; }
    float Frequency() const { return frequency_; }
    TAlphaColor LineColor() const { return lineColor_; }
    void SetMarks(float marks);
    void SetFrequency(float frequency);
    void SetLineColor(TAlphaColor color);

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;

private:
    float marks_ = 4;
    float frequency_ = 1;
    TAlphaColor lineColor_ = 0x50505050;
};

// A scene object painted with one material.
class TShape3D : public TControl3D {
public:
    using TControl3D::TControl3D;
    TMaterialSource* MaterialSource() const { return materialSource_; }
    void SetMaterialSource(TMaterialSource* material);

protected:
    TShape3D(TFmxObject* owner, const TShape3D& source);

private:
    TMaterialSource* materialSource_ = nullptr;
};

// A Width x Height rectangle in the local XY plane facing local -Z; only its
// front face is drawn.
class TPlane final : public TShape3D {
public:
    using TShape3D::TShape3D;
    TObjectKind Kind() const override { return TObjectKind::Plane; }

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
};

// A sphere of diameter Width: 16 segments around its vertical axis, 12 bands
// from top to bottom; u runs around the axis, v from top (0) to bottom (1).
class TSphere final : public TShape3D {
public:
    using TShape3D::TShape3D;
    TObjectKind Kind() const override { return TObjectKind::Sphere; }

    static constexpr int SubdivisionsAxes = 16;
    static constexpr int SubdivisionsHeight = 12;

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
};

} // namespace tessivar::scene
