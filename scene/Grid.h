#pragma once

#include "Argb.h"
#include "PlacedObject.h"

namespace tessivar::scene {

// Line segments in the local XY plane: lines parallel to Y at X = 0,
// ±Frequency, ... while |X| < Width/2, and parallel to X likewise; a line at a
// whole offset that is a multiple of Marks takes LineColor with alpha 0xA0.
class Grid final : public PlacedObject {
public:
    using PlacedObject::PlacedObject;
    ObjectKind Kind() const override { return ObjectKind::Grid; }

    float Marks() const { return marks_; }
    float Frequency() const { return frequency_; }
    Argb LineColor() const { return lineColor_; }
    void SetMarks(float marks);
    void SetFrequency(float frequency);
    void SetLineColor(Argb color);

protected:
    SceneObject* CloneSelf(SceneObject* owner) const override;

private:
    float marks_ = 4;
    float frequency_ = 1;
    Argb lineColor_ = 0x50505050;
};

} // namespace tessivar::scene
