#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>

#include <optional>
#include <vector>

class QAction;

namespace tessivar::ui {

class LineNumberArea;

// The program editor: a plain text editor with the line numbers in a margin
// inside it, every line coloured and marked by what the decoder makes of it,
// a tooltip saying what the machine will do with the line, and the moves a
// program written by line numbers needs: to a J line's target (F12 or
// Ctrl+click) and to a line by its number (Ctrl+G).
class ProgramEditor final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ProgramEditor(QWidget* parent);

    LineNumberArea* LineNumbers() const { return lineNumbers_; }
    QAction* JumpToTargetAction() const { return jumpToTarget_; }
    QAction* GoToLineAction() const { return goToLine_; }

    // A line in view, with its top and bottom in viewport coordinates.
    struct VisibleLine {
        QTextBlock block;
        int top = 0;
        int bottom = 0;
    };
    std::vector<VisibleLine> VisibleLines() const;

    // The 0-based line where a taken jump of the J line under the caret
    // continues, when that line lies inside the program.
    std::optional<int> CaretJumpTarget() const;

    void JumpToTarget();
    // Asks for a line number, then goes there.
    void AskForLineAndGo();
    // `line` is 1-based; beyond either end it is the first or the last line.
    void GoToLine(int line);

    // The tooltip for the line at viewport height `y`, shown at `globalPos`.
    void ShowLineToolTip(int y, const QPoint& globalPos, QWidget* over);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // The texts of its actions, in the language in use.
    void ShowTexts();
    void FitMargin();
    void FollowUpdateRequest(const QRect& rect, int dy);
    void FollowCaret();

    LineNumberArea* lineNumbers_;
    QAction* jumpToTarget_;
    QAction* goToLine_;
};

} // namespace tessivar::ui
