#include "OverlayPanel.h"

#include "ImageControl.h"

#include <QEvent>
#include <QPushButton>

#include <algorithm>

namespace tessivar::ui {

namespace {

// Designed at 947 x 627: the picture 577 high at the top, the button 80 x 22 at
// (433, 591), which leaves 434 on its right and 14 below it.
constexpr int kPictureHeight = 577;
constexpr int kButtonLeft = 433;
constexpr int kButtonRightMargin = 434;
constexpr int kButtonBottomMargin = 14;
constexpr int kButtonHeight = 22;
// Narrower than designed, the button keeps its designed width, centred, so
// the overlay can always be closed.
constexpr int kButtonWidth = 80;

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
    const int anchoredWidth = width() - kButtonLeft - kButtonRightMargin;
    const int buttonWidth = std::max(anchoredWidth, kButtonWidth);
    const int left = anchoredWidth >= kButtonWidth ? kButtonLeft : (width() - kButtonWidth) / 2;
    closeButton_->setGeometry(left, std::max(0, height() - kButtonBottomMargin - kButtonHeight), buttonWidth,
                              kButtonHeight);
    QFrame::resizeEvent(event);
}

} // namespace tessivar::ui
