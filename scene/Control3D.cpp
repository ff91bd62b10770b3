#include "Control3D.h"

#include "SameText.h"

namespace tessivar::scene {

void TPosition3D::Set(float& field, float value)
{
    FloatTarget{&field, object_, false}.Set(value);
}

void TPosition3D::SetPoint(const Vector3& p)
{
    SetX(p.X);
    SetY(p.Y);
    SetZ(p.Z);
}

FloatTarget TPosition3D::Resolve(std::string_view axis)
{
    float* field = SameText(axis, "X") ? &value_.X
        : SameText(axis, "Y")          ? &value_.Y
        : SameText(axis, "Z")          ? &value_.Z
                                       : nullptr;
    return field ? FloatTarget{field, object_, false} : FloatTarget{};
}

TControl3D::TControl3D(TFmxObject* owner) : TFmxObject(owner)
{}

TControl3D::TControl3D(TFmxObject* owner, const TControl3D& source)
    : TFmxObject(owner),
      Position(*this, source.Position.Point()),
      RotationAngle(*this, source.RotationAngle.Point()),
      Scale(*this, source.Scale.Point()),
      width_(source.width_),
      height_(source.height_),
      depth_(source.depth_)
{}

FloatTarget TControl3D::ResolveFloat(const std::string_view* components, std::size_t count)
{
    if (count == 1) {
        float* field = SameText(components[0], "Width") ? &width_
            : SameText(components[0], "Height")         ? &height_
            : SameText(components[0], "Depth")          ? &depth_
                                                        : nullptr;
        return field ? FloatTarget{field, this, true} : FloatTarget{};
    }
    if (count == 2) {
        TPosition3D* vector = SameText(components[0], "Position") ? &Position
            : SameText(components[0], "RotationAngle")            ? &RotationAngle
            : SameText(components[0], "Scale")                    ? &Scale
                                                                  : nullptr;
        return vector ? vector->Resolve(components[1]) : FloatTarget{};
    }
    return {};
}

bool TControl3D::ParentedVisible() const
{
    for (const TFmxObject* object = this; object; object = object->Parent())
        if (!object->Visible())
            return false;
    return true;
}

Matrix4 TControl3D::LocalMatrix() const
{
    // S * R * T without the full products: R's rows scaled, then the move.
    Matrix4 matrix = Matrix4::Rotation(RotationAngle.Point());
    const Vector3& s = Scale.Point();
    const float factors[3] = {s.X, s.Y, s.Z};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            matrix.m[row][column] *= factors[row];
    const Vector3& p = Position.Point();
    matrix.m[3][0] = p.X;
    matrix.m[3][1] = p.Y;
    matrix.m[3][2] = p.Z;
    return matrix;
}

Matrix4 TControl3D::AbsoluteMatrix() const
{
    Matrix4 matrix = LocalMatrix();
    for (const TFmxObject* above = Parent(); above; above = above->Parent())
        if (IsControl3D(above->Kind()))
            matrix = matrix * static_cast<const TControl3D*>(above)->LocalMatrix();
    return matrix;
}

} // namespace tessivar::scene
