#include "ImageControl.h"

#include <QPainter>

namespace tessivar::ui {

ImageControl::ImageControl(QWidget* parent) : QWidget(parent)
{}

void ImageControl::SetBitmap(const QPixmap& bitmap)
{
    bitmap_ = bitmap;
    update();
}

QRect ImageControl::PictureRect() const
{
    if (bitmap_.isNull())
        return {};
    const QSize fitted = bitmap_.size().scaled(size(), Qt::KeepAspectRatio);
    const QPoint topLeft((width() - fitted.width()) / 2, (height() - fitted.height()) / 2);
    return {topLeft, fitted};
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (bitmap_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(PictureRect(), bitmap_);
}

} // namespace tessivar::ui
