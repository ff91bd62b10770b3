#pragma once

#include "PlacedObject.h"

namespace tessivar::scene {

// A group that draws nothing; its children follow it.
class Group final : public PlacedObject {
public:
    using PlacedObject::PlacedObject;
    ObjectKind Kind() const override { return ObjectKind::Group; }

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;
};

} // namespace tessivar::scene
