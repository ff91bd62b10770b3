#pragma once

#include "SceneObject.h"

namespace tessivar::scene {

// The owner of run-time copies and design objects (the window's role): it
// frees whatever it still owns when it is freed.
class SceneOwner final : public SceneObject {
public:
    explicit SceneOwner(SceneObject* owner = nullptr) : SceneObject(owner) {}
    ObjectKind Kind() const override { return ObjectKind::Owner; }

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
};

} // namespace tessivar::scene
