#pragma once

#include "Shape.h"

namespace tessivar::scene {

// A Width x Height rectangle in the local XY plane facing local -Z; only its
// front face is drawn.
class Plane final : public Shape {
public:
    using Shape::Shape;
    ObjectKind Kind() const override { return ObjectKind::Plane; }

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
};

} // namespace tessivar::scene
