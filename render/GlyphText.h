#pragma once

#include "GlyphCache.h"
#include "TextExtrusion.h"
#include "TextLayout.h"

#include <QPointF>
#include <QTransform>

#include <cstddef>
#include <vector>

namespace tessivar::render {

// One glyph of a text: its cached shape and its pen position (block
// coordinates, reference units).
struct GlyphPlacement {
    const GlyphShape* Shape;
    QPointF Position;
};

// A 3D text as glyph placements, line by line from the top; ToScene carries
// block coordinates into the object's local coordinates.
struct GlyphText {
    std::vector<GlyphPlacement> Glyphs;
    QTransform ToScene;

    // Of the outlines of glyphs [first, first + count), in the object's local
    // coordinates.
    QRectF Bounds(std::size_t first, std::size_t count) const;
};

// Lays the text out and places its glyphs, making the shapes not yet cached.
// Blank glyphs are left out.
GlyphText PlaceGlyphs(const TextBlock& block, GlyphCache& cache);

// The extruded mesh of glyphs [first, first + count) of the text, as
// ExtrudeText makes it for the same region.
TextMesh ExtrudeGlyphs(const GlyphText& text, std::size_t first, std::size_t count, float width, float height,
                       float depth, std::uint8_t sides);

} // namespace tessivar::render
