#pragma once

#include <QFrame>

class QPushButton;

namespace tessivar::ui {

class ImageControl;

// The explanation overlay: a panel anchored to all four sides of its parent, so
// it always covers it, with a picture along its top and a close button anchored
// to the left, right and bottom.
class OverlayPanel : public QFrame {
    Q_OBJECT
public:
    explicit OverlayPanel(QWidget* parent);

    ImageControl* Picture() const { return picture_; }
    QPushButton* CloseButton() const { return closeButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ImageControl* picture_;
    QPushButton* closeButton_;
};

} // namespace tessivar::ui
