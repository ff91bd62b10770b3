#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace tessivar::ui {

// The window's style book: the three custom looks as one style sheet. A control
// takes a look through its "look" property (see SetLook).
QString WindowStyleSheet();

enum class Look {
    SectionHeader, // section headers
    TitleStrip, // title strip
    Editor, // both editors
};

void SetLook(QWidget& control, Look look);

// The editors' fixed-width Japanese font. Fontconfig does not mark CJK monospace
// fonts as fixed-pitch, so the families are named, best first.
QFont EditorFont();

} // namespace tessivar::ui
