#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace tessivar::ui {

// The window's style book: the three custom looks as one style sheet. A control
// takes a look through its "look" property (see SetLook).
QString StyleBook1();

enum class Look {
    Panel5Style1, // section headers
    Panel8Style1, // title strip
    Memo1Style1, // both editors
};

void SetLook(QWidget& control, Look look);

// The editors' fixed-width Japanese font. Fontconfig does not mark CJK monospace
// fonts as fixed-pitch, so the families are named, best first.
QFont EditorFont();

} // namespace tessivar::ui
