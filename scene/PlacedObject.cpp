#include "PlacedObject.h"

#include "SameText.h"

namespace tessivar::scene {

void VectorProperty::Set(float& field, float value)
{
    FloatTarget{&field, object_, false}.Set(value);
}

void VectorProperty::SetPoint(const Vector3& p)
{
    SetX(p.X);
    SetY(p.Y);
    SetZ(p.Z);
}

FloatTarget VectorProperty::Resolve(std::string_view axis)
{
    float* field = SameText(axis, "X") ? &value_.X
        : SameText(axis, "Y")          ? &value_.Y
        : SameText(axis, "Z")          ? &value_.Z
                                       : nullptr;
    return field ? FloatTarget{field, object_, false} : FloatTarget{};
}

PlacedObject::PlacedObject(SceneObject* owner) : SceneObject(owner)
{}

PlacedObject::PlacedObject(SceneObject* owner, const PlacedObject& source)
    : SceneObject(owner),
      Position(*this, source.Position.Point()),
      RotationAngle(*this, source.RotationAngle.Point()),
      Scale(*this, source.Scale.Point()),
      width_(source.width_),
      height_(source.height_),
      depth_(source.depth_)
{}

FloatTarget PlacedObject::ResolveFloat(const std::string_view* components, std::size_t count)
{
    if (count == 1) {
        float* field = SameText(components[0], "Width") ? &width_
            : SameText(components[0], "Height")         ? &height_
            : SameText(components[0], "Depth")          ? &depth_
                                                        : nullptr;
        return field ? FloatTarget{field, this, true} : FloatTarget{};
    }
    if (count == 2) {
        VectorProperty* vector = SameText(components[0], "Position") ? &Position
            : SameText(components[0], "RotationAngle")               ? &RotationAngle
            : SameText(components[0], "Scale")                       ? &Scale
                                                                     : nullptr;
        return vector ? vector->Resolve(components[1]) : FloatTarget{};
    }
    return {};
}

bool PlacedObject::ParentedVisible() const
{
    for (const SceneObject* object = this; object; object = object->Parent())
        if (!object->Visible())
            return false;
    return true;
}

Matrix4 PlacedObject::LocalMatrixOf(const Vector3& position, const Vector3& rotation, const Vector3& scale)
{
    // S * R * T without the full products: R's rows scaled, then the move.
    Matrix4 matrix = Matrix4::Rotation(rotation);
    const Vector3& s = scale;
    const float factors[3] = {s.X, s.Y, s.Z};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            matrix.m[row][column] *= factors[row];
    const Vector3& p = position;
    matrix.m[3][0] = p.X;
    matrix.m[3][1] = p.Y;
    matrix.m[3][2] = p.Z;
    return matrix;
}

Matrix4 PlacedObject::AbsoluteMatrix() const
{
    Matrix4 matrix = LocalMatrix();
    for (const SceneObject* above = Parent(); above; above = above->Parent())
        if (IsPlaced(above->Kind()))
            matrix = matrix * static_cast<const PlacedObject*>(above)->LocalMatrix();
    return matrix;
}

} // namespace tessivar::scene
