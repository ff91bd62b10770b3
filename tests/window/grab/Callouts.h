#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

namespace tessivar::ui::grab {

// A speech bubble: its text, where its box is centred and the point its tail
// touches, in the coordinates of the picture it is drawn on.
struct Callout {
    QString text;
    QPoint boxCentre;
    QPoint target;
};

// Draws the bubbles onto a copy of `picture`.
QImage WithCallouts(const QImage& picture, const std::vector<Callout>& callouts);

// `shot` scaled to fit a picture of another size with its proportions kept,
// centred on a dark background; Map() carries a point of the shot along.
struct Fitted {
    QImage picture;
    double scale;
    QPoint offset;
    QPoint Map(QPoint shotPoint) const;
};
Fitted FitInto(const QImage& shot, QSize size);

} // namespace tessivar::ui::grab
