#include "PathLabel.h"

#include <QPainter>

namespace tessivar::ui {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

QString PathLabel::ShownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideLeft, contentsRect().width());
}

QSize PathLabel::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QSize PathLabel::sizeHint() const
{
    return {0, QLabel::sizeHint().height()};
}

void PathLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), static_cast<int>(alignment()), ShownText());
}

} // namespace tessivar::ui
