#include "GlyphText.h"

namespace tessivar::render {

QRectF GlyphText::Bounds(std::size_t first, std::size_t count) const
{
    QRectF bounds;
    for (std::size_t i = first; i < first + count; ++i)
        bounds = bounds.united(Glyphs[i].Shape->Bounds.translated(Glyphs[i].Position));
    return ToScene.mapRect(bounds);
}

GlyphText PlaceGlyphs(const TextBlock& block, GlyphCache& cache)
{
    GlyphText text;
    QRectF glyphBounds;
    const qreal blockHeight = LayOutGlyphs(block, [&](const QGlyphRun& run, QPointF offset) {
        const QRawFont font = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const GlyphShape& shape = cache.Shape(font, indexes[i]);
            const QPointF position = positions[i] + offset;
            glyphBounds = glyphBounds.united(shape.Bounds.translated(position));
            if (!shape.Region.Triangles.empty())
                text.Glyphs.push_back({&shape, position});
        }
    });
    if (!glyphBounds.isNull())
        text.ToScene = BlockToScene(block, blockHeight, glyphBounds);
    return text;
}

TextMesh ExtrudeGlyphs(const GlyphText& text, std::size_t first, std::size_t count, float width, float height,
                       float depth, std::uint8_t sides)
{
    Tessellation region;
    for (std::size_t i = first; i < first + count; ++i) {
        const GlyphPlacement& glyph = text.Glyphs[i];
        const QTransform toScene = QTransform::fromTranslate(glyph.Position.x(), glyph.Position.y()) * text.ToScene;
        for (const QPointF& point : glyph.Shape->Region.Triangles)
            region.Triangles.push_back(toScene.map(point));
        for (const QPolygonF& contour : glyph.Shape->Region.Boundary)
            region.Boundary.append(toScene.map(contour));
    }
    return ExtrudeText(region, width, height, depth, sides);
}

} // namespace tessivar::render
