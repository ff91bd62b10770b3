#pragma once

#include "Text3D.h"

#include <QGlyphRun>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <functional>

namespace tessivar::render {

// What the outlines of a 3D text depend on; sizes in scene units.
struct TextBlock {
    QString Text;
    QString Family; // empty: the default interface font
    qreal FontSize = 4;
    qreal Width = 0, Height = 0; // the box, centred on the object's position
    scene::TextAlign HorzAlign = scene::TextAlign::Center;
    scene::TextAlign VertAlign = scene::TextAlign::Center;

    friend bool operator==(const TextBlock&, const TextBlock&) = default;
};

// Distance between the baselines of successive lines, in ems of the font size
// (5.35 scene units at size 4).
inline constexpr qreal LinePitchInEms = 5.35 / 4;

// Receives one run of glyphs of a laid-out text and where the run's glyph
// positions are to be moved to (reference units, from the top-left corner of
// the block of lines).
using GlyphRunVisitor = std::function<void(const QGlyphRun& run, QPointF offset)>;

// Lays the text out at the reference size (split at line breaks, word wrap
// within Width where the box has room for a second line, each line aligned
// across the box) and shows every glyph run to `visit`, line by line from the
// top. Returns the height of the block of lines.
// One paragraph is held at a time, so that a long text costs its glyphs only.
qreal LayOutGlyphs(const TextBlock& block, const GlyphRunVisitor& visit);

// From the block's reference coordinates to the object's local scene
// coordinates: the block aligned in the box, the glyphs (`glyphBounds`, in
// block coordinates) fitted into it (in a box too low to wrap, a line too
// long is shrunk evenly), origin at the box centre, Y down.
QTransform BlockToScene(const TextBlock& block, qreal blockHeight, const QRectF& glyphBounds);

// The glyph outlines of the whole text, laid out and fitted into the box and
// flattened to closed polygons, in the object's local scene coordinates. Empty
// when nothing shows.
QList<QPolygonF> TextOutlines(const TextBlock& block);

} // namespace tessivar::render
