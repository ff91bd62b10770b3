#pragma once

#include "SceneMath.h"
#include "SceneObject.h"
#include "SceneRoot.h"

#include <cstdint>

namespace tessivar::scene {

class PlacedObject;

// A resolved float property: where the value lives and whom to tell.
struct FloatTarget {
    float* Value = nullptr;
    PlacedObject* Object = nullptr;
    bool Layout = false; // the value shapes a text layout (size, font)

    explicit operator bool() const { return Value != nullptr; }
    // The property's setter: an equal value changes nothing.
    inline void Set(float value) const;
};

// Position, RotationAngle or Scale of a scene object: three floats whose
// setters tell the object.
class VectorProperty {
public:
    explicit VectorProperty(PlacedObject& object, const Vector3& value) : object_(&object), value_(value) {}
    VectorProperty(const VectorProperty&) = delete;
    VectorProperty& operator=(const VectorProperty&) = delete;

    float X() const { return value_.X; }
    float Y() const { return value_.Y; }
    float Z() const { return value_.Z; }
    const Vector3& Point() const { return value_; }
    void SetX(float x) { Set(value_.X, x); }
    void SetY(float y) { Set(value_.Y, y); }
    void SetZ(float z) { Set(value_.Z, z); }
    void SetPoint(const Vector3& p);

private:
    friend class PlacedObject;
    void Set(float& field, float value);
    FloatTarget Resolve(std::string_view axis);

    PlacedObject* object_;
    Vector3 value_;
};

// A scene object with a place, a turn, a scale, a box and a Visible flag.
class PlacedObject : public SceneObject {
public:
    explicit PlacedObject(SceneObject* owner);

    VectorProperty Position{*this, {0, 0, 0}};
    VectorProperty RotationAngle{*this, {0, 0, 0}}; // degrees about X, Y, Z
    VectorProperty Scale{*this, {1, 1, 1}};

    float Width() const { return width_; }
    float Height() const { return height_; }
    float Depth() const { return depth_; }
    void SetWidth(float width) { SetLayoutValue(width_, width); }
    void SetHeight(float height) { SetLayoutValue(height_, height); }
    void SetDepth(float depth) { SetLayoutValue(depth_, depth); }

    void SetVisible(bool visible) { SetVisibleFlag(visible); }
    // Drawn only if this object and every ancestor are visible.
    bool ParentedVisible() const;

    // S * R * T of this object alone.
    Matrix4 LocalMatrix() const { return LocalMatrixOf(Position.Point(), RotationAngle.Point(), Scale.Point()); }
    static Matrix4 LocalMatrixOf(const Vector3& position, const Vector3& rotation, const Vector3& scale);
    // Local to scene: LocalMatrix() * the parents' matrices.
    Matrix4 AbsoluteMatrix() const;
    Vector3 LocalToAbsolute(const Vector3& p) const { return AbsoluteMatrix().TransformPoint(p); }

    // Counts changes of what a text layout depends on (box, text, font), so
    // that the renderer rebuilds a text mesh only when needed.
    std::uint32_t LayoutRevision() const { return layoutRevision_; }

    // Tells the object and its view that a value changed.
    void ValueChanged(bool layout)
    {
        if (layout)
            ++layoutRevision_;
        Changed();
    }

protected:
    PlacedObject(SceneObject* owner, const PlacedObject& source); // copies the stored properties
    FloatTarget ResolveFloat(const std::string_view* components, std::size_t count) override;
    // SetField for a value that a text layout depends on.
    template <class T> void SetLayoutValue(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        ValueChanged(true);
    }

private:
    float width_ = 1, height_ = 1, depth_ = 1;
    std::uint32_t layoutRevision_ = 0;
};

inline void FloatTarget::Set(float value) const
{
    if (*Value == value)
        return;
    *Value = value;
    Object->ValueChanged(Layout);
}

} // namespace tessivar::scene
