#pragma once

#include "GlyphTessellator.h"

#include <QRawFont>
#include <QRectF>
#include <QString>

#include <cstddef>
#include <unordered_map>

namespace tessivar::render {

// One glyph flattened and tessellated at the reference size, in the glyph's
// own coordinates (origin at its pen position, Y down).
struct GlyphShape {
    Tessellation Region;
    QRectF Bounds; // of the outline's curves; null for a blank
};

// Every glyph shape made so far, by font and glyph: a text then costs its
// layout and the copying of the shapes it places, never a tessellation of its
// own. Not thread-safe: one thread makes and reads the shapes.
class GlyphCache {
public:
    // The shape stays where it is for the cache's lifetime.
    const GlyphShape& Shape(const QRawFont& font, quint32 glyph);

    // How many glyph shapes are kept.
    std::size_t Size() const;

private:
    using Glyphs = std::unordered_map<quint32, GlyphShape>;

    // The glyphs of the font last asked for, looked up once per font change
    // rather than once per glyph.
    Glyphs& GlyphsOf(const QRawFont& font);

    std::unordered_map<QString, Glyphs> fonts_;
    QRawFont lastFont_;
    Glyphs* lastGlyphs_ = nullptr;
};

} // namespace tessivar::render
