#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tessivar::scene {

class TFloatAnimation;

// Base of everything in the scene: a name, a tag, an owner that frees it with
// itself, and a parent whose children follow it and die with it.
// Freeing (delete) an object frees its children and takes their animations off
// the clock without OnFinish.
class TFmxObject {
public:
    explicit TFmxObject(TFmxObject* owner);
    virtual ~TFmxObject();
    TFmxObject(const TFmxObject&) = delete;
    TFmxObject& operator=(const TFmxObject&) = delete;

    std::string Name;
    int Tag = 0;

    TFmxObject* Owner() const { return owner_; }
    TFmxObject* Parent() const { return parent_; }
    const std::vector<TFmxObject*>& Children() const { return children_; }

    // Attaches as the last child of `parent` (nullptr detaches).
    void SetParent(TFmxObject* parent);

    // A copy of the stored properties with every child cloned recursively; no
    // parent, an empty name, shared materials, no run-time state.
    TFmxObject* Clone(TFmxObject* owner) const;

    // Whether this object is shown; objects that draw nothing are always visible.
    virtual bool IsVisible() const { return true; }

protected:
    // Makes the same kind of object with the stored properties (not the children).
    virtual TFmxObject* CloneSelf(TFmxObject* owner) const = 0;
    virtual void ChildrenChanged() {}

private:
    void AddOwned(TFmxObject* object);
    void RemoveOwned(TFmxObject* object);

    TFmxObject* owner_ = nullptr;
    TFmxObject* parent_ = nullptr;
    std::vector<TFmxObject*> children_;
    // Owned objects form an intrusive list, so that freeing one of many
    // thousands of balls costs O(1).
    TFmxObject* firstOwned_ = nullptr;
    TFmxObject* previousOwned_ = nullptr;
    TFmxObject* nextOwned_ = nullptr;
};

} // namespace tessivar::scene
