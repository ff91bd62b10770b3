#pragma once

#include <QPixmap>
#include <QWidget>

namespace tessivar::ui {

// Shows a picture scaled to fit the control, keeping its proportions, centred.
class ImageControl : public QWidget {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent);

    void SetBitmap(const QPixmap& bitmap);
    const QPixmap& Bitmap() const { return bitmap_; }

    // Where the picture is drawn at the control's current size.
    QRect PictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap bitmap_;
};

} // namespace tessivar::ui
