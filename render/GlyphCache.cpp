#include "GlyphCache.h"

#include <QPainterPath>

namespace tessivar::render {

const GlyphShape& GlyphCache::Shape(const QRawFont& font, quint32 glyph)
{
    Glyphs& glyphs = GlyphsOf(font);
    const auto found = glyphs.find(glyph);
    if (found != glyphs.end())
        return found->second;
    QPainterPath outline = font.pathForGlyph(glyph);
    outline.setFillRule(Qt::WindingFill);
    return glyphs.emplace(glyph, GlyphShape{Tessellate(outline.toSubpathPolygons()), outline.boundingRect()})
        .first->second;
}

std::size_t GlyphCache::Size() const
{
    std::size_t size = 0;
    for (const auto& font : fonts_)
        size += font.second.size();
    return size;
}

GlyphCache::Glyphs& GlyphCache::GlyphsOf(const QRawFont& font)
{
    if (lastGlyphs_ && font == lastFont_)
        return *lastGlyphs_;
    // Every text is set at the reference size, so a face is known by its names.
    const QString key = font.familyName() + QLatin1Char('\n') + font.styleName();
    lastFont_ = font;
    lastGlyphs_ = &fonts_[key];
    return *lastGlyphs_;
}

} // namespace tessivar::render
