#include "Callouts.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tessivar::ui::grab {

namespace {

constexpr int kTextPixels = 22;
constexpr int kPadding = 12;
constexpr double kTailBaseHalfWidth = 12;

QFont CalloutFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(kTextPixels);
    font.setBold(true);
    return font;
}

// The bubble and its tail as one outline: the tail leaves the box at the point
// of its edge nearest the target.
QPainterPath BubblePath(const QRectF& box, QPointF target)
{
    QPainterPath bubble;
    bubble.addRoundedRect(box, 12, 12);
    const QPointF centre = box.center();
    const QPointF along = target - centre;
    const double length = std::hypot(along.x(), along.y());
    const QPointF across(-along.y() / length * kTailBaseHalfWidth, along.x() / length * kTailBaseHalfWidth);
    QPainterPath tail;
    tail.moveTo(centre + across);
    tail.lineTo(target);
    tail.lineTo(centre - across);
    tail.closeSubpath();
    return bubble.united(tail);
}

} // namespace

QImage WithCallouts(const QImage& picture, const std::vector<Callout>& callouts)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&result);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(CalloutFont());
    const QFontMetrics metrics(painter.font());
    for (const Callout& callout : callouts) {
        const QSize textSize = metrics.size(Qt::TextSingleLine, callout.text);
        QRectF box(0, 0, textSize.width() + 2 * kPadding, textSize.height() + 2 * kPadding);
        box.moveCenter(callout.boxCentre);
        painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 2.5));
        painter.setBrush(QColor(0xFF, 0xFF, 0xE8));
        painter.drawPath(BubblePath(box, callout.target));
        painter.setPen(QColor(0xC0, 0x10, 0x10));
        painter.drawText(box, Qt::AlignCenter, callout.text);
    }
    return result;
}

QPoint Fitted::Map(QPoint shotPoint) const
{
    return offset
        + QPoint(static_cast<int>(std::lround(shotPoint.x() * scale)),
                 static_cast<int>(std::lround(shotPoint.y() * scale)));
}

Fitted FitInto(const QImage& shot, QSize size)
{
    const QSize scaled = shot.size().scaled(size, Qt::KeepAspectRatio);
    const double scale = double(scaled.width()) / shot.width();
    const QPoint offset((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2);
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(QColor(0x20, 0x20, 0x28));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(offset, scaled), shot);
    painter.end();
    return {picture, scale, offset};
}

} // namespace tessivar::ui::grab
