#pragma once

#include "Text3D.h"

#include <QList>
#include <QPolygonF>
#include <QString>

namespace tessivar::render {

// What the outlines of a 3D text depend on; sizes in scene units.
struct TextBlock {
    QString Text;
    QString Family; // empty: the default interface font
    qreal FontSize = 4;
    qreal Width = 0, Height = 0; // the box, centred on the object's position
    scene::TTextAlign HorzAlign = scene::TTextAlign::Center;
    scene::TTextAlign VertAlign = scene::TTextAlign::Center;

    friend bool operator==(const TextBlock&, const TextBlock&) = default;
};

// Distance between the baselines of successive lines, in ems of the font size
// (5.35 scene units at size 4).
inline constexpr qreal LinePitchInEms = 5.35 / 4;

// The glyph outlines of the text, laid out in the box (split at line breaks,
// word wrap within Width, aligned, fitted into the box) and flattened to closed
// polygons; scene units, origin at the box centre, Y down. Empty when nothing
// shows.
QList<QPolygonF> TextOutlines(const TextBlock& block);

} // namespace tessivar::render
