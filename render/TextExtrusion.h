#pragma once

#include "GlyphTessellator.h"
#include "SurfaceMesh.h"

#include <cstdint>

namespace tessivar::render {

// Extruded text in the object's local coordinates: the front face (towards
// -Z), the back face and the side walls, each drawn in its own material.
struct TextMesh {
    SurfaceTriangles Front, Back, Shaft;

    bool Empty() const { return Front.empty() && Back.empty() && Shaft.empty(); }
};

// Extrudes the flat glyph region `Depth` deep, centred on the XY plane; only
// the parts named in `sides` (scene::TextSides) are made. Texture
// coordinates spread the box Width x Height once over the front and back.
TextMesh ExtrudeText(const Tessellation& region, float width, float height, float depth, std::uint8_t sides);

} // namespace tessivar::render
