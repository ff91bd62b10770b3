#pragma once

#include <QRectF>

namespace tessivar::render {

// Maps a layout coordinate onto the box along one axis: a -> a * Scale + Offset.
struct AxisFit {
    qreal Scale = 1;
    qreal Offset = 0;

    qreal Apply(qreal a) const { return a * Scale + Offset; }
};

struct TextFit {
    AxisFit X, Y;
};

// The smallest rectangle holding both the box and the glyphs is mapped onto the
// box, axis by axis: text within its box keeps its size, text that reaches
// outside is squeezed along that axis only until all of it lies in the box.
TextFit FitIntoBox(const QRectF& box, const QRectF& glyphs);

} // namespace tessivar::render
