#include "SceneObject.h"

#include "PlacedObject.h"
#include "SceneRoot.h"

#include <array>

namespace tessivar::scene {

namespace {

// Deeper paths name nothing in this scene.
constexpr std::size_t MaxPathComponents = 8;

} // namespace

SceneObject::SceneObject(SceneObject* owner)
{
    if (owner)
        owner->AddOwned(this);
}

SceneObject::~SceneObject()
{
    // Leave parent and owner first, so that nothing freed below reaches back here.
    DetachFromParent();
    if (owner_)
        owner_->RemoveOwned(this);
    FreeChildren();
    FreeOwned();
}

void SceneObject::DetachFromParent()
{
    if (parent_) {
        Changed();
        OutlineChanged();
        SceneObject& parent = *parent_;
        (previousSibling_ ? previousSibling_->nextSibling_ : parent.firstChild_) = nextSibling_;
        (nextSibling_ ? nextSibling_->previousSibling_ : parent.lastChild_) = previousSibling_;
        --parent.childCount_;
        parent_ = previousSibling_ = nextSibling_ = nullptr;
    }
}

void SceneObject::FreeChildren()
{
    while (lastChild_)
        delete lastChild_;
}

void SceneObject::FreeOwned()
{
    while (firstOwned_)
        delete firstOwned_;
}

void SceneObject::AddOwned(SceneObject* object)
{
    object->owner_ = this;
    object->previousOwned_ = nullptr;
    object->nextOwned_ = firstOwned_;
    if (firstOwned_)
        firstOwned_->previousOwned_ = object;
    firstOwned_ = object;
}

void SceneObject::RemoveOwned(SceneObject* object)
{
    (object->previousOwned_ ? object->previousOwned_->nextOwned_ : firstOwned_) = object->nextOwned_;
    if (object->nextOwned_)
        object->nextOwned_->previousOwned_ = object->previousOwned_;
    object->owner_ = object->previousOwned_ = object->nextOwned_ = nullptr;
}

void SceneObject::SetParent(SceneObject* parent)
{
    if (parent == parent_)
        return;
    for (const SceneObject* above = parent; above; above = above->parent_)
        if (above == this)
            return; // would make a cycle

    DetachFromParent();
    placed_ = IsPlaced(Kind());
    if (parent) {
        parent_ = parent;
        previousSibling_ = parent->lastChild_;
        (previousSibling_ ? previousSibling_->nextSibling_ : parent->firstChild_) = this;
        parent->lastChild_ = this;
        ++parent->childCount_;
    }
    SetRootOfSubtree(parent ? parent->root_ : nullptr);
    Changed();
    OutlineChanged();
    ParentChanged();
}

void SceneObject::SetRootOfSubtree(SceneRoot* root)
{
    // A view is the root of what it holds, wherever it hangs.
    if (root_ == root || Kind() == ObjectKind::Root)
        return;
    root_ = root;
    for (SceneObject* child : Children())
        child->SetRootOfSubtree(root);
}

SceneObject* SceneObject::Clone(SceneObject* owner) const
{
    SceneObject* copy = CloneSelf(owner);
    copy->Tag = Tag;
    copy->visible_ = visible_;
    for (const SceneObject* child : Children())
        child->Clone(owner)->SetParent(copy);
    return copy;
}

FloatTarget SceneObject::FindFloatProperty(std::string_view path)
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

FloatTarget SceneObject::ResolveFloat(const std::string_view*, std::size_t)
{
    return {};
}

void SceneObject::SetVisibleFlag(bool visible)
{
    if (visible_ != visible)
        OutlineChanged();
    SetField(visible_, visible);
}

} // namespace tessivar::scene
