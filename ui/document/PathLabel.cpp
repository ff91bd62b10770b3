#include "PathLabel.h"

#include <QPainter>

#include <algorithm>

namespace tessivar::ui {

PathLabel::PathLabel(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void PathLabel::SetRemark(const QString& remark)
{
    remark_ = remark;
    update();
}

QString PathLabel::ShownText() const
{
    const int pathWidth = contentsRect().width() - fontMetrics().horizontalAdvance(remark_);
    return fontMetrics().elidedText(text(), Qt::ElideLeft, std::max(pathWidth, 0)) + remark_;
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
