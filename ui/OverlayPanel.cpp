#include "OverlayPanel.h"

#include "ImageControl.h"

#include <QEvent>
#include <QPushButton>

namespace tessivar::ui {

namespace {

// Designed at 947 x 627: the picture 577 high at the top, the button 80 x 22 at
// (433, 591), which leaves 434 on its right and 14 below it.
constexpr int kPictureHeight = 577;
constexpr int kButtonLeft = 433;
constexpr int kButtonRightMargin = 434;
constexpr int kButtonBottomMargin = 14;
constexpr int kButtonHeight = 22;

} // namespace

OverlayPanel::OverlayPanel(QWidget* parent)
    : QFrame(parent), picture_(new ImageControl(this)), closeButton_(new QPushButton(this))
{
    setAutoFillBackground(true);
    setGeometry(parent->rect());
    parent->installEventFilter(this);
}

bool OverlayPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QFrame::eventFilter(watched, event);
}

void OverlayPanel::resizeEvent(QResizeEvent* event)
{
    picture_->setGeometry(0, 0, width(), kPictureHeight);
    closeButton_->setGeometry(kButtonLeft, height() - kButtonBottomMargin - kButtonHeight,
                              width() - kButtonLeft - kButtonRightMargin, kButtonHeight);
    QFrame::resizeEvent(event);
}

} // namespace tessivar::ui
