#pragma once

#include <QWidget>

class QFontMetrics;

namespace tessivar::ui {

class ProgramEditor;

// The margin inside the program editor: every line's number, 1-based as jumps
// count lines, in the editor's font, and in a narrow column beside the numbers
// where jumps go: the target of the J line under the caret, and the J lines
// whose taken jump ends the program or that never jump.
class LineNumberArea final : public QWidget {
    Q_OBJECT
public:
    explicit LineNumberArea(ProgramEditor& editor);

    // Wide enough for the numbers of `lineCount` lines and the sign column.
    static int WidthFor(const QFontMetrics& metrics, int lineCount);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    ProgramEditor& editor_;
};

} // namespace tessivar::ui
