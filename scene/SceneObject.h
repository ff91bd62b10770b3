#pragma once

#include "SharedString.h"

#include <cstdint>
#include <iterator>
#include <string_view>

namespace tessivar::scene {

class TViewport3D;
struct FloatTarget;

// What an object is, for the renderer's walk without dynamic_cast.
enum class TObjectKind : std::uint8_t {
    Owner,
    Viewport3D,
    Dummy,
    Camera,
    Light,
    Grid3D,
    Plane,
    Sphere,
    Text3D,
    FloatAnimation,
    ColorMaterialSource,
    LightMaterialSource,
};

// Scene objects with a place in space: TDummy .. TText3D.
constexpr bool IsControl3D(TObjectKind kind)
{
    return kind >= TObjectKind::Dummy && kind <= TObjectKind::Text3D;
}

// Base of everything in the scene: a name, a tag, an owner that frees it with
// itself, and a parent whose children follow it and die with it.
// `delete` frees an object: its children are freed with it, its animations
// leave the clock without OnFinish, and what it owns is freed too.
class TFmxObject {
public:
    explicit TFmxObject(TFmxObject* owner);
    virtual ~TFmxObject();
    TFmxObject(const TFmxObject&) = delete;
    TFmxObject& operator=(const TFmxObject&) = delete;

    virtual TObjectKind Kind() const = 0;

    TFmxObject* Owner() const { return owner_; }
    TFmxObject* Parent() const { return parent_; }
    // The TViewport3D that the parent chain reaches, or nullptr.
    TViewport3D* Root() const { return root_; }

    // Attaches as the last child of `parent` (nullptr detaches).
    void SetParent(TFmxObject* parent);

    // Children in drawing order: for (TFmxObject* c : object->Children()) ...
    class ChildRange;
    ChildRange Children() const;
    std::size_t ChildCount() const { return childCount_; }
    TFmxObject* FirstChild() const { return firstChild_; }

    // A copy of the stored properties with every child cloned recursively, as
    // children of the copy; owned by `owner`, no parent, an empty name, shared
    // materials, no run-time state.
    TFmxObject* Clone(TFmxObject* owner) const;
    template <class T> T* CloneAs(TFmxObject* owner) const { return static_cast<T*>(Clone(owner)); }

    // The object's own Visible flag; objects that draw nothing are visible.
    bool Visible() const { return visible_; }

    // The float property at a dotted, case-insensitive path, e.g. "Position.X";
    // an empty target when the path names nothing.
    FloatTarget FindFloatProperty(std::string_view path);

protected:
    // A new object of the same class with the stored properties of its class
    // (no children; Clone copies Tag and Visible).
    virtual TFmxObject* CloneSelf(TFmxObject* owner) const = 0;
    // Resolves a path whose components are already split: object-valued
    // properties first, the float property last.
    virtual FloatTarget ResolveFloat(const std::string_view* components, std::size_t count);
    // Called after the object got another parent.
    virtual void ParentChanged() {}
    // Records a change that the view must draw (defined with TViewport3D).
    inline void Changed();
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
    friend class TViewport3D;
    void DetachFromParent();
    void SetRootOfSubtree(TViewport3D* root);
    void AddOwned(TFmxObject* object);
    void RemoveOwned(TFmxObject* object);
    void FreeChildren();
    void FreeOwned();

    TFmxObject* owner_ = nullptr;
    TFmxObject* parent_ = nullptr;
    // Children and owned objects form intrusive lists, so that freeing one of
    // many thousands of balls costs O(1).
    TFmxObject* firstChild_ = nullptr;
    TFmxObject* lastChild_ = nullptr;
    TFmxObject* previousSibling_ = nullptr;
    TFmxObject* nextSibling_ = nullptr;
    TFmxObject* firstOwned_ = nullptr;
    TFmxObject* previousOwned_ = nullptr;
    TFmxObject* nextOwned_ = nullptr;
    std::uint32_t childCount_ = 0;

public:
    SharedString Name;
    int Tag = 0;

private:
    // Last, next to the first fields of the derived classes (a ball's
    // position and rotation): an animation's tick reads them together.
    TViewport3D* root_ = nullptr;

protected:
    bool visible_ = true;
};

class TFmxObject::ChildRange {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = TFmxObject*;
        using difference_type = std::ptrdiff_t;
        using pointer = TFmxObject* const*;
        using reference = TFmxObject* const&;

        Iterator() = default;
        explicit Iterator(TFmxObject* at) : at_(at) {}
        TFmxObject* operator*() const { return at_; }
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
        TFmxObject* at_ = nullptr;
    };

    explicit ChildRange(TFmxObject* first) : first_(first) {}
    Iterator begin() const { return Iterator(first_); }
    Iterator end() const { return Iterator(); }

private:
    TFmxObject* first_;
};

inline TFmxObject::ChildRange TFmxObject::Children() const
{
    return ChildRange(firstChild_);
}

// The owner of run-time copies and design objects (the window's role): it
// frees whatever it still owns when it is freed.
class TComponentOwner final : public TFmxObject {
public:
    explicit TComponentOwner(TFmxObject* owner = nullptr) : TFmxObject(owner) {}
    TObjectKind Kind() const override { return TObjectKind::Owner; }

protected:
    TFmxObject* CloneSelf(TFmxObject* owner) const override;
};

} // namespace tessivar::scene
