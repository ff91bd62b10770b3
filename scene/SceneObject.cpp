#include "SceneObject.h"

#include "Control3D.h"
#include "Viewport3D.h"

#include <array>

namespace tessivar::scene {

namespace {

// Deeper paths name nothing in this scene.
constexpr std::size_t MaxPathComponents = 8;

} // namespace

TFmxObject::TFmxObject(TFmxObject* owner)
{
    if (owner)
        owner->AddOwned(this);
}

TFmxObject::~TFmxObject()
{
    // Leave parent and owner first, so that nothing freed below reaches back here.
    DetachFromParent();
    if (owner_)
        owner_->RemoveOwned(this);
    FreeChildren();
    FreeOwned();
}

void TFmxObject::DetachFromParent()
{
    if (parent_) {
        Changed();
        TFmxObject& parent = *parent_;
        (previousSibling_ ? previousSibling_->nextSibling_ : parent.firstChild_) = nextSibling_;
        (nextSibling_ ? nextSibling_->previousSibling_ : parent.lastChild_) = previousSibling_;
        --parent.childCount_;
        parent_ = previousSibling_ = nextSibling_ = nullptr;
    }
}

void TFmxObject::FreeChildren()
{
    while (lastChild_)
        delete lastChild_;
}

void TFmxObject::FreeOwned()
{
    while (firstOwned_)
        delete firstOwned_;
}

void TFmxObject::AddOwned(TFmxObject* object)
{
    object->owner_ = this;
    object->previousOwned_ = nullptr;
    object->nextOwned_ = firstOwned_;
    if (firstOwned_)
        firstOwned_->previousOwned_ = object;
    firstOwned_ = object;
}

void TFmxObject::RemoveOwned(TFmxObject* object)
{
    (object->previousOwned_ ? object->previousOwned_->nextOwned_ : firstOwned_) = object->nextOwned_;
    if (object->nextOwned_)
        object->nextOwned_->previousOwned_ = object->previousOwned_;
    object->owner_ = object->previousOwned_ = object->nextOwned_ = nullptr;
}

void TFmxObject::SetParent(TFmxObject* parent)
{
    if (parent == parent_)
        return;
    for (const TFmxObject* above = parent; above; above = above->parent_)
        if (above == this)
            return; // would make a cycle

    DetachFromParent();
    if (parent) {
        parent_ = parent;
        previousSibling_ = parent->lastChild_;
        (previousSibling_ ? previousSibling_->nextSibling_ : parent->firstChild_) = this;
        parent->lastChild_ = this;
        ++parent->childCount_;
    }
    SetRootOfSubtree(parent ? parent->root_ : nullptr);
    Changed();
    ParentChanged();
}

void TFmxObject::SetRootOfSubtree(TViewport3D* root)
{
    // A view is the root of what it holds, wherever it hangs.
    if (root_ == root || Kind() == TObjectKind::Viewport3D)
        return;
    root_ = root;
    for (TFmxObject* child : Children())
        child->SetRootOfSubtree(root);
}

TFmxObject* TFmxObject::Clone(TFmxObject* owner) const
{
    TFmxObject* copy = CloneSelf(owner);
    copy->Tag = Tag;
    copy->visible_ = visible_;
    for (const TFmxObject* child : Children())
        child->Clone(owner)->SetParent(copy);
    return copy;
}

FloatTarget TFmxObject::FindFloatProperty(std::string_view path)
{
    std::array<std::string_view, MaxPathComponents> components;
    std::size_t count = 0;
    for (;;) {
        if (count == components.size())
            return {};
        const std::size_t dot = path.find('.');
        components[count++] = path.substr(0, dot);
        if (dot == std::string_view::npos)
            break;
        path.remove_prefix(dot + 1);
    }
    return ResolveFloat(components.data(), count);
}

FloatTarget TFmxObject::ResolveFloat(const std::string_view*, std::size_t)
{
    return {};
}

void TFmxObject::SetVisibleFlag(bool visible)
{
    SetField(visible_, visible);
}

TFmxObject* TComponentOwner::CloneSelf(TFmxObject* owner) const
{
    return new TComponentOwner(owner);
}

} // namespace tessivar::scene
