#include "TextFit.h"

namespace tessivar::render {

namespace {

AxisFit FitAxis(qreal boxLow, qreal boxHigh, qreal glyphLow, qreal glyphHigh)
{
    const qreal low = qMin(boxLow, glyphLow);
    const qreal high = qMax(boxHigh, glyphHigh);
    if (low == boxLow && high == boxHigh)
        return {};
    const qreal scale = (boxHigh - boxLow) / (high - low);
    return {scale, boxLow - low * scale};
}

} // namespace

TextFit FitIntoBox(const QRectF& box, const QRectF& glyphs)
{
    if (glyphs.isNull())
        return {};
    return {FitAxis(box.left(), box.right(), glyphs.left(), glyphs.right()),
            FitAxis(box.top(), box.bottom(), glyphs.top(), glyphs.bottom())};
}

} // namespace tessivar::render
