#pragma once

#include "SharedString.h"

#include <cstdint>
#include <iterator>
#include <string_view>

namespace tessivar::scene {

class SceneRoot;
struct FloatTarget;

// What an object is, for the renderer's walk without dynamic_cast.
enum class ObjectKind : std::uint8_t {
    Owner,
    Root,
    Group,
    Camera,
    Light,
    Grid,
    Plane,
    Ball,
    Text3D,
    FloatAnimation,
    FlatMaterial,
    LitMaterial,
};

// Scene objects with a place in space: Group .. Text3D.
constexpr bool IsPlaced(ObjectKind kind)
{
    return kind >= ObjectKind::Group && kind <= ObjectKind::Text3D;
}

// Base of everything in the scene: a name, a tag, an owner that frees it with
// itself, and a parent whose children follow it and die with it.
// `delete` frees an object: its children are freed with it, its animations
// leave the clock without OnFinish, and what it owns is freed too.
class SceneObject {
public:
    explicit SceneObject(SceneObject* owner);
    virtual ~SceneObject();
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    virtual ObjectKind Kind() const = 0;

    SceneObject* Owner() const { return owner_; }
    SceneObject* Parent() const { return parent_; }
    // The SceneRoot that the parent chain reaches, or nullptr.
    SceneRoot* Root() const { return root_; }

    // Attaches as the last child of `parent` (nullptr detaches).
    void SetParent(SceneObject* parent);

    // Children in drawing order: for (SceneObject* c : object->Children()) ...
    class ChildRange;
    ChildRange Children() const;
    std::size_t ChildCount() const { return childCount_; }
    SceneObject* FirstChild() const { return firstChild_; }

    // A copy of the stored properties with every child cloned recursively, as
    // children of the copy; owned by `owner`, no parent, an empty name, shared
    // materials, no run-time state.
    SceneObject* Clone(SceneObject* owner) const;
    template <class T> T* CloneAs(SceneObject* owner) const { return static_cast<T*>(Clone(owner)); }

    // The object's own Visible flag; objects that draw nothing are visible.
    bool Visible() const { return visible_; }

    // The scene revision of this object's last own change (its values,
    // visibility or parent) while under a root; 0 before any. Unique per
    // change, so that a view can tell an object to copy again from one it
    // copied, even one that took a freed object's address.
    std::uint64_t LastChange() const { return lastChange_; }

    // The float property at a dotted, case-insensitive path, e.g. "Position.X";
    // an empty target when the path names nothing.
    FloatTarget FindFloatProperty(std::string_view path);

protected:
    // A new object of the same class with the stored properties of its class
    // (no children; Clone copies Tag and Visible).
    virtual SceneObject* CloneSelf(SceneObject* owner) const = 0;
    // Resolves a path whose components are already split: object-valued
    // properties first, the float property last.
    virtual FloatTarget ResolveFloat(const std::string_view* components, std::size_t count);
    // Called after the object got another parent.
    virtual void ParentChanged() {}
    // Records a change that the view must draw (defined with SceneRoot).
    inline void Changed();
    // Records that the object was placed, freed, shown, hidden or painted
    // anew (defined with SceneRoot).
    inline void OutlineChanged();
    // A property setter: stores the value and records the change; an equal
    // value changes nothing.
    template <class T> void SetField(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    void SetVisibleFlag(bool visible);

private:
    friend class SceneRoot;
    void DetachFromParent();
    void SetRootOfSubtree(SceneRoot* root);
    void AddOwned(SceneObject* object);
    void RemoveOwned(SceneObject* object);
    void FreeChildren();
    void FreeOwned();

    SceneObject* owner_ = nullptr;
    SceneObject* parent_ = nullptr;
    // Children and owned objects form intrusive lists, so that freeing one of
    // many thousands of balls costs O(1).
    SceneObject* firstChild_ = nullptr;
    SceneObject* lastChild_ = nullptr;
    SceneObject* previousSibling_ = nullptr;
    SceneObject* nextSibling_ = nullptr;
    SceneObject* firstOwned_ = nullptr;
    SceneObject* previousOwned_ = nullptr;
    SceneObject* nextOwned_ = nullptr;
    std::uint32_t childCount_ = 0;

public:
    SharedString Name;
    int Tag = 0;

private:
    // Last, next to the first fields of the derived classes (a ball's
    // position and rotation): an animation's tick reads them together.
    SceneRoot* root_ = nullptr;
    std::uint64_t lastChange_ = 0;

protected:
    bool visible_ = true;

private:
    // Whether the object has a place in space, known once it has a parent:
    // its kind cannot be asked while it is freed.
    bool placed_ = false;
};

class SceneObject::ChildRange {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = SceneObject*;
        using difference_type = std::ptrdiff_t;
        using pointer = SceneObject* const*;
        using reference = SceneObject* const&;

        Iterator() = default;
        explicit Iterator(SceneObject* at) : at_(at) {}
        SceneObject* operator*() const { return at_; }
        Iterator& operator++()
        {
            at_ = at_->nextSibling_;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        friend bool operator==(const Iterator&, const Iterator&) = default;

    private:
        SceneObject* at_ = nullptr;
    };

    explicit ChildRange(SceneObject* first) : first_(first) {}
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(); }

private:
    SceneObject* first_;
};

inline SceneObject::ChildRange SceneObject::Children() const
{
    return ChildRange(firstChild_);
}

} // namespace tessivar::scene
