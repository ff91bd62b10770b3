#include "ShownForm.h"

#include "LineNumberArea.h"
#include "MarginSign.h"
#include "ProgramEditor.h"

#include <QHelpEvent>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>

#include <cstdlib>

namespace tessivar::ui::test {
namespace {

class ProgramEditorTest : public ShownForm {
protected:
    void SetUp() override
    {
        ShownForm::SetUp();
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
        editor = qobject_cast<ProgramEditor*>(form.programEditor);
        ASSERT_NE(editor, nullptr);
    }

    void SetProgram(const char* text)
    {
        editor->setPlainText(QString::fromUtf8(text));
        QApplication::processEvents();
    }

    QTextBlock Block(int line) const { return editor->document()->findBlockByNumber(line - 1); }

    ProgramEditor::VisibleLine Visible(int line) const
    {
        for (const ProgramEditor::VisibleLine& visible : editor->VisibleLines())
            if (visible.block.blockNumber() == line - 1)
                return visible;
        ADD_FAILURE() << "line " << line << " is not in view";
        return {};
    }

    void PutCaretOn(int line) { editor->setTextCursor(QTextCursor(Block(line))); }

    // The 1-based line the caret is on.
    int CaretLine() const { return editor->textCursor().blockNumber() + 1; }

    // Antialiased strokes reach the colour only nearly.
    static bool Near(const QColor& a, const QColor& b)
    {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) < 40;
    }

    // The sign column beside the line's number, as painted.
    bool ShowsSign(int line, MarginSign sign) const
    {
        const QImage margin = editor->LineNumbers()->grab().toImage();
        const int digit = QFontMetrics(editor->font()).horizontalAdvance(QLatin1Char('9'));
        const ProgramEditor::VisibleLine visible = Visible(line);
        const QColor wanted = SignColour(sign);
        for (int y = visible.top; y < visible.bottom; ++y)
            for (int x = margin.width() - digit - 3; x < margin.width(); ++x)
                if (Near(margin.pixelColor(x, y), wanted))
                    return true;
        return false;
    }

    // The character format the line's text is drawn with at `column`.
    QTextCharFormat FormatAt(int line, int column) const
    {
        for (const QTextLayout::FormatRange& range : Block(line).layout()->formats())
            if (column >= range.start && column < range.start + range.length)
                return range.format;
        return {};
    }

    // The stretch of the line's text drawn with a wavy underline.
    QString Underlined(int line) const
    {
        QString underlined;
        const QString text = Block(line).text();
        for (int column = 0; column < text.size(); ++column)
            if (FormatAt(line, column).underlineStyle() == QTextCharFormat::WaveUnderline)
                underlined += text[column];
        return underlined;
    }

    QString ToolTipOver(QWidget* widget, int line)
    {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        const ProgramEditor::VisibleLine visible = Visible(line);
        const QPoint at(widget->width() / 2, (visible.top + visible.bottom) / 2);
        QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    ProgramEditor* editor = nullptr;
};

// One digit more for every tenfold, and the editor keeps its place in the
// column whatever the margin takes.
TEST_F(ProgramEditorTest, TheMarginGrowsByOneDigitPerTenfoldInsideTheEditorsWidth)
{
    const int digit = QFontMetrics(editor->font()).horizontalAdvance(QLatin1Char('9'));
    const auto marginFor = [&](int lines) {
        QStringList text;
        for (int i = 0; i < lines; ++i)
            text.append(QStringLiteral("S(1)"));
        editor->setPlainText(text.join(QLatin1Char('\n')));
        QApplication::processEvents();
        EXPECT_EQ(ClientRect(form.programEditor).width(), 192) << lines << " lines";
        EXPECT_EQ(editor->viewport()->geometry().left(), editor->LineNumbers()->geometry().right() + 1)
            << "the text starts right after the margin";
        return editor->LineNumbers()->width();
    };
    const int nine = marginFor(9);
    EXPECT_EQ(marginFor(10), nine + digit);
    const int hundredThousand = marginFor(100000);
    EXPECT_EQ(hundredThousand, nine + 5 * digit);
    EXPECT_GE(hundredThousand, QFontMetrics(editor->font()).horizontalAdvance(QStringLiteral("100000")) + digit)
        << "the largest number and the sign column fit";
    EXPECT_GE(editor->viewport()->width(), 4 * digit) << "room is left for a line's text";
}

TEST_F(ProgramEditorTest, LinesAreColouredByKindAndFaultsAreUnderlined)
{
    SetProgram("S(1)\nS(2)\nZ(1)\nT(1,2)\nJ(1,2,1)\n/ コメント\nS3\nS(300)\nJ(1,2)\nＳ(1)\nJ(1,2,x)");
    const auto colour = [&](int line) { return FormatAt(line, 0).foreground().color(); };
    EXPECT_EQ(colour(1), colour(2)) << "one colour per kind";
    const QList<QColor> kinds = {colour(1), colour(3), colour(4), colour(5), colour(6), colour(7)};
    for (qsizetype i = 0; i < kinds.size(); ++i)
        for (qsizetype j = i + 1; j < kinds.size(); ++j)
            EXPECT_NE(kinds[i], kinds[j]) << "kinds " << i << " and " << j << " share a colour";
    EXPECT_EQ(colour(10), colour(7)) << "a full-width S runs as a no-op step";
    EXPECT_EQ(colour(8), colour(1)) << "S(300) is an S, which will fail";

    const std::pair<int, const char*> underlined[]
        = {{1, ""}, {5, ""}, {6, ""}, {7, "S3"}, {8, "300"}, {9, "J(1,2)"}, {10, "Ｓ(1)"}, {11, "x"}};
    for (const auto& [line, text] : underlined)
        EXPECT_EQ(Underlined(line), QString::fromUtf8(text)) << "line " << line;
}

// Each edit looks again at the lines it changed, and the margin follows the
// line count that the jumps depend on.
TEST_F(ProgramEditorTest, ClassificationFollowsInsertedAndDeletedLines)
{
    SetProgram("J(1,1,4)\nS(1)\nS(2)");
    EXPECT_TRUE(ShowsSign(1, MarginSign::EndsProgram)) << "line 4 lies beyond the program";
    QTextCursor end(editor->document());
    end.movePosition(QTextCursor::End);
    editor->setTextCursor(end);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClicks(editor, QStringLiteral("S3"));
    EXPECT_FALSE(ShowsSign(1, MarginSign::EndsProgram)) << "line 4 is now in the program";
    EXPECT_EQ(Underlined(4), QStringLiteral("S3"));
    QTest::keyClick(editor, Qt::Key_Left);
    QTest::keyClick(editor, Qt::Key_ParenLeft);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_ParenRight);
    EXPECT_EQ(Block(4).text(), QStringLiteral("S(3)"));
    EXPECT_EQ(Underlined(4), QString());
    EXPECT_EQ(FormatAt(4, 0).foreground(), FormatAt(2, 0).foreground());

    for (int i = 0; i < 5; ++i)
        QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(editor->blockCount(), 3);
    EXPECT_TRUE(ShowsSign(1, MarginSign::EndsProgram)) << "line 4 is gone again";

    // A relative target moves with its line; the tooltip names the absolute line.
    SetProgram("S(1)\nJ(1,1,.2)\nS(2)\nS(3)");
    EXPECT_TRUE(ToolTipOver(editor->viewport(), 2).startsWith(QString::fromUtf8("J(1,1): R(1) = R(1) なら行 4 へ")));
    PutCaretOn(1);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_TRUE(ToolTipOver(editor->viewport(), 3).startsWith(QString::fromUtf8("J(1,1): R(1) = R(1) なら行 5 へ")));
}

TEST_F(ProgramEditorTest, TooltipsSayWhatTheMachineWillDoWithTheLine)
{
    SetProgram("S3\nS(1)\nS(2)\nS(3)\nJ(1,2,9)\nT(2)\nS(3)\nS(4)\n");
    EXPECT_EQ(ToolTipOver(editor->viewport(), 5),
              QString::fromUtf8("J(1,2): R(1) = R(2) なら行 9 へジャンプ (プログラムの外: 終了します)"));
    EXPECT_EQ(ToolTipOver(editor->LineNumbers(), 5), ToolTipOver(editor->viewport(), 5)) << "also over the number";
    EXPECT_EQ(ToolTipOver(editor->viewport(), 1),
              QString::fromUtf8(
                  "何もしない1ステップとして実行されます\n命令名と番号の間には括弧か空白が要ります (例: S(3))"));
    EXPECT_EQ(ToolTipOver(editor->viewport(), 6),
              QString::fromUtf8("何もしない1ステップとして実行されます\nレジスタ番号が 2 つ要ります"));
    EXPECT_EQ(ToolTipOver(editor->viewport(), 2), QString::fromUtf8("S(1): R(1) に 1 を足します"));
    EXPECT_EQ(ToolTipOver(editor->viewport(), 9), QString()) << "the empty last line is no program line";
}

TEST_F(ProgramEditorTest, TheCaretsJumpTargetIsMarkedAndGoneToByF12OrCtrlClick)
{
    SetProgram("S(1)\nJ(1,1,5)\nS(2)\nS(3)\nS(4)\nJ(1,1,9)\nJ(1,1,-1)");
    PutCaretOn(2);
    EXPECT_TRUE(ShowsSign(5, MarginSign::JumpTarget));
    EXPECT_FALSE(ShowsSign(4, MarginSign::JumpTarget));
    EXPECT_TRUE(ShowsSign(6, MarginSign::EndsProgram));
    EXPECT_TRUE(ShowsSign(7, MarginSign::NeverTaken));

    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_F12);
    EXPECT_EQ(CaretLine(), 5);
    EXPECT_FALSE(ShowsSign(5, MarginSign::JumpTarget)) << "the caret left the J line";

    const QPoint onLineTwo = editor->cursorRect(QTextCursor(Block(2))).center() + QPoint(20, 0);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, Qt::ControlModifier, onLineTwo);
    EXPECT_EQ(CaretLine(), 5);

    for (const int noTarget : {6, 7, 3}) {
        PutCaretOn(noTarget);
        QTest::keyClick(editor, Qt::Key_F12);
        EXPECT_EQ(CaretLine(), noTarget) << "no line in the program to go to";
    }
}

TEST_F(ProgramEditorTest, CtrlGAsksForALineAndGoesThereFromAnywhereInTheWindow)
{
    SetProgram("S(1)\nS(2)\nS(3)\nS(4)\nS(5)");
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.registerEditor->setFocus();
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        dialog->setIntValue(4);
        dialog->accept();
    });
    QTest::keyClick(form.registerEditor, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(title, QString::fromUtf8("行へ移動"));
    EXPECT_EQ(CaretLine(), 4);
    EXPECT_TRUE(editor->hasFocus());
    editor->GoToLine(99);
    EXPECT_EQ(CaretLine(), 5);
}

} // namespace
} // namespace tessivar::ui::test
