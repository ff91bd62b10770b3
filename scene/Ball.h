#pragma once

#include "Shape.h"

namespace tessivar::scene {

// A sphere of diameter Width: 16 segments around its vertical axis, 12 bands
// from top to bottom; u runs around the axis, v from top (0) to bottom (1).
class Ball final : public Shape {
public:
    using Shape::Shape;
    ObjectKind Kind() const override { return ObjectKind::Ball; }

    static constexpr int SubdivisionsAxes = 16;
    static constexpr int SubdivisionsHeight = 12;

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
};

} // namespace tessivar::scene
