#include "ProgramEditor.h"

#include "BlockClassification.h"
#include "LineKindHighlighter.h"
#include "LineNumberArea.h"

#include <QAction>
#include <QHelpEvent>
#include <QInputDialog>
#include <QMenu>
#include <QToolTip>

#include <algorithm>
#include <memory>

namespace tessivar::ui {

namespace {

// Its keys come from the window's list of shortcuts.
QAction* AddEditorAction(QWidget& editor)
{
    auto* action = new QAction(&editor);
    editor.addAction(action);
    return action;
}

} // namespace

ProgramEditor::ProgramEditor(QWidget* parent)
    : QPlainTextEdit(parent),
      lineNumbers_(new LineNumberArea(*this)),
      jumpToTarget_(AddEditorAction(*this)),
      goToLine_(AddEditorAction(*this))
{
    ShowTexts();
    new LineKindHighlighter(document()); // owned by the document
    connect(jumpToTarget_, &QAction::triggered, this, &ProgramEditor::JumpToTarget);
    connect(goToLine_, &QAction::triggered, this, &ProgramEditor::AskForLineAndGo);
    connect(this, &QPlainTextEdit::blockCountChanged, this, &ProgramEditor::FitMargin);
    connect(this, &QPlainTextEdit::updateRequest, this, &ProgramEditor::FollowUpdateRequest);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &ProgramEditor::FollowCaret);
    connect(this, &QPlainTextEdit::textChanged, this, &ProgramEditor::FollowCaret);
    FitMargin();
}

std::vector<ProgramEditor::VisibleLine> ProgramEditor::VisibleLines() const
{
    std::vector<VisibleLine> lines;
    QTextBlock block = firstVisibleBlock();
    qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
    while (block.isValid() && top <= viewport()->height()) {
        const qreal bottom = top + blockBoundingRect(block).height();
        if (block.isVisible())
            lines.push_back({block, qRound(top), qRound(bottom)});
        block = block.next();
        top = bottom;
    }
    return lines;
}

std::optional<int> ProgramEditor::CaretJumpTarget() const
{
    const std::optional<LineClassification> line = ClassifyBlock(textCursor().block());
    if (!line || !line->destination || line->destination->kind != JumpDestination::Kind::Line)
        return std::nullopt;
    return static_cast<int>(line->destination->line - 1);
}

void ProgramEditor::JumpToTarget()
{
    if (const std::optional<int> target = CaretJumpTarget())
        GoToLine(*target + 1);
}

void ProgramEditor::AskForLineAndGo()
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(tr("行へ移動"));
    dialog.setLabelText(tr("行番号 (1〜%1):").arg(blockCount()));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, blockCount());
    dialog.setIntValue(textCursor().blockNumber() + 1);
    if (dialog.exec() == QDialog::Accepted)
        GoToLine(dialog.intValue());
}

void ProgramEditor::GoToLine(int line)
{
    const int number = std::clamp(line, 1, blockCount());
    setTextCursor(QTextCursor(document()->findBlockByNumber(number - 1)));
    ensureCursorVisible();
    setFocus(Qt::ShortcutFocusReason);
}

void ProgramEditor::ShowLineToolTip(int y, const QPoint& globalPos, QWidget* over)
{
    const std::vector<VisibleLine> lines = VisibleLines();
    const auto line
        = std::find_if(lines.begin(), lines.end(), [y](const VisibleLine& l) { return y >= l.top && y < l.bottom; });
    const QString text = line == lines.end() ? QString() : DescribeBlock(line->block);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(globalPos, text, over);
}

void ProgramEditor::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    FitMargin();
}

void ProgramEditor::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FitMargin();
    if (event->type() == QEvent::LanguageChange)
        ShowTexts();
}

void ProgramEditor::ShowTexts()
{
    jumpToTarget_->setText(tr("ジャンプ先へ移動"));
    goToLine_->setText(tr("行へ移動..."));
}

bool ProgramEditor::viewportEvent(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QPlainTextEdit::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    ShowLineToolTip(help->pos().y(), help->globalPos(), viewport());
    return true;
}

void ProgramEditor::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !(event->modifiers() & Qt::ControlModifier)) {
        QPlainTextEdit::mousePressEvent(event);
        return;
    }
    setTextCursor(cursorForPosition(event->position().toPoint()));
    JumpToTarget();
    event->accept();
}

void ProgramEditor::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addAction(jumpToTarget_);
    menu->addAction(goToLine_);
    menu->exec(event->globalPos());
}

void ProgramEditor::FitMargin()
{
    const int width = LineNumberArea::WidthFor(QFontMetrics(font()), blockCount());
    setViewportMargins(width, 0, 0, 0);
    const QRect contents = contentsRect();
    lineNumbers_->setGeometry(contents.left(), contents.top(), width, contents.height());
    lineNumbers_->update();
}

void ProgramEditor::FollowUpdateRequest(const QRect& rect, int dy)
{
    if (dy != 0)
        lineNumbers_->scroll(0, dy);
    else
        lineNumbers_->update(0, rect.y(), lineNumbers_->width(), rect.height());
}

// The margin marks the caret's jump target, and the target can be gone to.
void ProgramEditor::FollowCaret()
{
    jumpToTarget_->setEnabled(CaretJumpTarget().has_value());
    lineNumbers_->update();
}

} // namespace tessivar::ui
