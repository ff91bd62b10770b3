#include "ProgramForm.h"

#include "MessageBoxWatcher.h"
#include "PathLabel.h"
#include "SeenState.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace tessivar::ui::test {
namespace {

class DebugMenu : public ProgramForm {
protected:
    // The editor lines that carry a tinted background, and their colours.
    std::vector<std::pair<int, QColor>> MarkedLines() const
    {
        std::vector<std::pair<int, QColor>> lines;
        for (const QTextEdit::ExtraSelection& mark : form.programEditor->extraSelections())
            lines.emplace_back(mark.cursor.blockNumber(), mark.format.background().color());
        return lines;
    }

    bool RunEnds()
    {
        return QTest::qWaitFor([&] { return form.runButton->text() == QStringLiteral("実行"); }, 5000);
    }
};

TEST_F(DebugMenu, ItemsAreEnabledExactlyWhenTheirActionIsPossible)
{
    EXPECT_TRUE(form.runAction->isEnabled());
    EXPECT_TRUE(form.stepAction->isEnabled());
    EXPECT_FALSE(form.clearBreakpointsAction->isEnabled()) << "no breakpoint yet";
    SetProgram("0", "S(1)\nS(1)\nS(1)");
    form.speedSlider->SetValue(4);
    form.stepAction->trigger(); // stepping: everything locked
    EXPECT_FALSE(form.runAction->isEnabled());
    EXPECT_FALSE(form.stepAction->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.stepAction->isEnabled(); }));
    form.runAction->trigger(); // running: only stopping is possible
    EXPECT_TRUE(form.runAction->isEnabled());
    EXPECT_FALSE(form.stepAction->isEnabled());
    EXPECT_FALSE(form.stepBackAction->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Scene().ListingScroll->Running(); }));
    form.runAction->trigger(); // stopping: running and stepping are usable again at once
    EXPECT_TRUE(form.runAction->isEnabled());
    EXPECT_TRUE(form.stepAction->isEnabled());
    EXPECT_FALSE(form.stepBackAction->isEnabled()) << "the stopped step still plays";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Scene().ListingScroll->Running(); }, 10000));
    EXPECT_TRUE(form.stepBackAction->isEnabled());
    ToggleBreakpointOnLine(1);
    EXPECT_TRUE(form.clearBreakpointsAction->isEnabled());
    form.clearBreakpointsAction->trigger();
    EXPECT_FALSE(form.clearBreakpointsAction->isEnabled());
    EXPECT_TRUE(MarkedLines().size() <= 1u) << "only the current line is left";
}

// Deleting the last breakpoint line, as a whole line is selected and
// deleted, leaves nothing to clear; New empties the editor and every mark
// with it.
TEST_F(DebugMenu, ClearAllFollowsBreakpointsRemovedWithTheirLines)
{
    form.programEditor->setPlainText(QStringLiteral("S(1)\nS(2)\nS(3)"));
    ToggleBreakpointOnLine(1);
    ASSERT_TRUE(form.clearBreakpointsAction->isEnabled());
    QTextCursor lineTwo(form.programEditor->document()->findBlockByNumber(1));
    lineTwo.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    lineTwo.removeSelectedText();
    ASSERT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)\nS(3)"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.clearBreakpointsAction->isEnabled(); }, 1000));
    EXPECT_TRUE(MarkedLines().empty());

    ToggleBreakpointOnLine(1);
    ASSERT_TRUE(form.clearBreakpointsAction->isEnabled());
    MessageBoxWatcher boxes(QStringLiteral("保存しない"));
    form.newAction->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.clearBreakpointsAction->isEnabled(); }, 1000));
    EXPECT_TRUE(MarkedLines().empty());
}

// A breakpoint stays with its line's text as lines are joined and split
// with the keyboard: a joined line begins with the upper line's text, and
// Enter at the very start of a line moves the line down.
TEST_F(DebugMenu, ABreakpointStaysWithItsLinesTextThroughJoinsAndSplits)
{
    enum class Caret { LineStart, LineEnd, MidLine, AllSelected };
    struct Case {
        const char* edit;
        int breakpointLine;
        int caretLine;
        Caret caret;
        const char* typed; // one keystroke each, before the key
        Qt::Key key;
        const char* text;
        std::vector<int> markedLines;
    };
    const Case cases[] = {
        {"Backspace joins a breakpoint line to the one above",
         1,
         1,
         Caret::LineStart,
         "",
         Qt::Key_Backspace,
         "S(1)S(2)\nS(3)",
         {}},
        {"Backspace joins a line to the breakpoint line above",
         0,
         1,
         Caret::LineStart,
         "",
         Qt::Key_Backspace,
         "S(1)S(2)\nS(3)",
         {0}},
        {"Delete at the end of the line above", 1, 0, Caret::LineEnd, "", Qt::Key_Delete, "S(1)S(2)\nS(3)", {}},
        {"Enter at the start of the breakpoint line",
         1,
         1,
         Caret::LineStart,
         "",
         Qt::Key_Return,
         "S(1)\n\nS(2)\nS(3)",
         {2}},
        {"Enter at the end of the breakpoint line",
         1,
         1,
         Caret::LineEnd,
         "",
         Qt::Key_Return,
         "S(1)\nS(2)\n\nS(3)",
         {1}},
        {"A line typed above the breakpoint line's text",
         1,
         1,
         Caret::LineStart,
         "Z(7)",
         Qt::Key_Return,
         "S(1)\nZ(7)\nS(2)\nS(3)",
         {2}},
        {"A comment typed above a first-line breakpoint",
         0,
         0,
         Caret::LineStart,
         "/ x",
         Qt::Key_Return,
         "/ x\nS(1)\nS(2)\nS(3)",
         {1}},
        {"Enter inside the breakpoint line's text",
         1,
         1,
         Caret::MidLine,
         "",
         Qt::Key_Return,
         "S(1)\nS(\n2)\nS(3)",
         {1}},
        {"Text typed over the whole program", 0, 0, Caret::AllSelected, "Z(9", Qt::Key_ParenRight, "Z(9)", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.edit);
        form.clearBreakpointsAction->trigger();
        form.programEditor->setPlainText(QStringLiteral("S(1)\nS(2)\nS(3)"));
        ToggleBreakpointOnLine(c.breakpointLine);
        QTextCursor caret(form.programEditor->document()->findBlockByNumber(c.caretLine));
        if (c.caret == Caret::LineEnd)
            caret.movePosition(QTextCursor::EndOfBlock);
        if (c.caret == Caret::MidLine)
            caret.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 2);
        if (c.caret == Caret::AllSelected)
            caret.select(QTextCursor::Document);
        form.programEditor->setTextCursor(caret);
        for (const char* key = c.typed; *key != '\0'; ++key) {
            QTest::keyClick(form.programEditor, *key);
            QTest::qWait(5); // each keystroke is an edit of its own, as when typing
        }
        QTest::keyClick(form.programEditor, c.key);
        QTest::qWait(20); // the marks are repainted once the edit is over
        ASSERT_EQ(form.programEditor->toPlainText(), QString::fromUtf8(c.text));
        const bool anyLeft = !c.markedLines.empty();
        EXPECT_TRUE(QTest::qWaitFor([&] { return form.clearBreakpointsAction->isEnabled() == anyLeft; }));
        std::vector<int> marked;
        for (const auto& mark : MarkedLines())
            marked.push_back(mark.first);
        EXPECT_EQ(marked, c.markedLines);
    }
}

// A run stops before a breakpoint line, also one reached by a jump, but not
// on its own first step; the window is then idle.
TEST_F(DebugMenu, BreakpointsStopARunBeforeTheirLine)
{
    SetProgram("0\n3", "S(1)\nJ(1,2,5)\nJ(1,1,1)\n/ unreached\nS(3)\nS(3)");
    ToggleBreakpointOnLine(4);
    form.runAction->trigger();
    ASSERT_TRUE(RunEnds());
    EXPECT_EQ(form.MachineState().pc, 4) << "stopped before line 5, reached by the jump";
    EXPECT_EQ(form.MachineState().registers[0], 3);
    EXPECT_TRUE(form.setButton->isEnabled() && form.stepButton->isEnabled() && form.runButton->isEnabled());
    form.runAction->trigger(); // "実行" on the breakpoint line goes on
    ASSERT_TRUE(RunEnds());
    EXPECT_EQ(form.MachineState().pc, 6);
    EXPECT_EQ(form.MachineState().registers[2], 2);
}

TEST_F(DebugMenu, BreakpointsFollowTheirLinesAndAreNotPartOfTheText)
{
    form.programEditor->setPlainText(QStringLiteral("S(1)\nS(2)\nS(3)"));
    ToggleBreakpointOnLine(1);
    QTextCursor top(form.programEditor->document()->firstBlock());
    top.insertText(QStringLiteral("/ a new first line\n"));
    form.registerEditor->setPlainText(QStringLiteral("0"));
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("/ a new first line\nS(1)\nS(2)\nS(3)"));
    form.runAction->trigger();
    ASSERT_TRUE(RunEnds());
    EXPECT_EQ(form.MachineState().pc, 2) << "the breakpoint moved down with S(2)";
}

// The editor shows the line at PC after Set and after each step; none once
// New has emptied the program. A breakpoint line keeps its own tint under it.
TEST_F(DebugMenu, TheCurrentLineIsHighlightedInTheEditor)
{
    SetProgram("0", "S(1)\nS(1)\nS(1)");
    const auto markedLines = [&] {
        std::vector<int> lines;
        for (const auto& mark : MarkedLines())
            lines.push_back(mark.first);
        return lines;
    };
    EXPECT_EQ(markedLines(), std::vector<int>{0});
    form.stepAction->trigger();
    EXPECT_EQ(markedLines(), std::vector<int>{1});
    ToggleBreakpointOnLine(1);
    const std::vector<std::pair<int, QColor>> both = MarkedLines();
    ASSERT_EQ(both.size(), 2u);
    EXPECT_EQ(both[0].first, 1);
    EXPECT_EQ(both[1].first, 1);
    EXPECT_NE(both[0].second, both[1].second) << "a breakpoint and the current line look different";
    form.stepAction->trigger();
    EXPECT_EQ(markedLines(), (std::vector<int>{1, 2}));
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    EXPECT_EQ(markedLines(), (std::vector<int>{1, 0}));
    MessageBoxWatcher boxes(QStringLiteral("保存しない"));
    form.newAction->trigger();
    EXPECT_TRUE(MarkedLines().empty());
}

// Step back after every kind of line (S, Z, T, a jump taken and one not, a
// comment, a no-op) gives back what each earlier state showed, down to the
// state right after Set and no further; stepping forward again repeats it.
TEST_F(DebugMenu, StepBackUndoesEachKindOfLineDownToSet)
{
    SetProgram("9\n3\n12", "S(1)\nZ(2)\nT(3,2)\nJ(1,2,6)\nJ(1,1,7)\nS(9)\n/ note\nS(0)");
    std::vector<SeenState> states{Seen(form)};
    EXPECT_FALSE(form.stepBackAction->isEnabled()) << "nothing to undo right after Set";
    while (form.MachineState().CanContinue()) {
        form.stepAction->trigger();
        states.push_back(Seen(form));
    }
    ASSERT_EQ(states.size(), 8u);
    for (std::size_t i = states.size() - 1; i-- > 0;) {
        ASSERT_TRUE(form.stepBackAction->isEnabled()) << i;
        form.stepBackAction->trigger();
        EXPECT_EQ(Seen(form), states[i]) << "back to state " << i;
    }
    EXPECT_FALSE(form.stepBackAction->isEnabled());
    for (std::size_t i = 1; i < states.size(); ++i) {
        form.stepAction->trigger();
        EXPECT_EQ(Seen(form), states[i]) << "forward to state " << i;
    }
}

// The debugger keys work wherever the focus is, the editors included.
TEST_F(DebugMenu, KeysWorkFromTheProgramEditor)
{
    SetProgram("0", "S(1)\nS(1)");
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.programEditor->setFocus();
    ToggleBreakpointOnLine(1);
    const QString program = form.programEditor->toPlainText();
    QTest::keyClick(form.programEditor, Qt::Key_F10);
    EXPECT_EQ(form.MachineState().pc, 1);
    QTest::keyClick(form.programEditor, Qt::Key_F7);
    EXPECT_EQ(form.MachineState().pc, 0);
    QTest::keyClick(form.programEditor, Qt::Key_F9);
    EXPECT_FALSE(form.clearBreakpointsAction->isEnabled()) << "F9 took the breakpoint away again";
    QTest::keyClick(form.programEditor, Qt::Key_F5);
    ASSERT_TRUE(RunEnds());
    EXPECT_EQ(form.MachineState().pc, 2);
    EXPECT_EQ(form.programEditor->toPlainText(), program) << "the keys typed nothing";
}

TEST_F(DebugMenu, SetNewAndOpenForgetTheHistory)
{
    SetProgram("1", "S(1)\nS(1)");
    form.stepAction->trigger();
    ASSERT_TRUE(form.stepBackAction->isEnabled());
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    EXPECT_FALSE(form.stepBackAction->isEnabled());
    form.stepAction->trigger();
    MessageBoxWatcher boxes(QStringLiteral("保存しない"));
    form.newAction->trigger();
    EXPECT_FALSE(form.stepBackAction->isEnabled());
}

// Step back waits for a stopped step's animations: undone under them, the
// listing would scroll on to the undone step's line afterwards.
TEST_F(DebugMenu, StepBackWaitsForTheStoppedStepToEnd)
{
    SetProgram("0", "S(1)\nS(1)\nS(1)\nS(1)");
    form.speedSlider->SetValue(3);
    form.runAction->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.MachineState().pc == 2; }, 10000));
    ASSERT_TRUE(form.Scene().ListingScroll->Running());
    form.runAction->trigger(); // stopping
    form.stepBackAction->trigger();
    EXPECT_EQ(form.MachineState().pc, 2) << "nothing undone while the step plays";
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.stepBackAction->isEnabled(); }, 10000));
    const float listingAtPC1 = [&] {
        form.stepBackAction->trigger();
        EXPECT_EQ(form.MachineState().pc, 1);
        QTest::qWait(1500); // the scroll back ends
        return form.Scene().ListingText->Position.Y();
    }();
    TopSpeed();
    form.stepAction->trigger();
    form.stepBackAction->trigger();
    EXPECT_FLOAT_EQ(form.Scene().ListingText->Position.Y(), listingAtPC1);
}

// A Set that fails half-way has loaded some registers: no earlier state can
// be rebuilt from the history any more.
TEST_F(DebugMenu, AFailedSetForgetsTheHistory)
{
    SetProgram("1\n2", "S(1)\nS(2)");
    form.stepAction->trigger();
    ASSERT_TRUE(form.stepBackAction->isEnabled());
    form.registerEditor->setPlainText(QStringLiteral("5\n9223372036854775807"));
    MessageBoxWatcher boxes;
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    ASSERT_EQ(boxes.Seen().size(), 1u) << "the overflow is reported";
    EXPECT_EQ(form.MachineState().registers[0], 5);
    EXPECT_FALSE(form.stepBackAction->isEnabled());
}

// No line is the next to run once the program has ended, also when the text
// ends with a line break and the editor has an empty last line.
TEST_F(DebugMenu, NoLineIsCurrentOnceTheProgramHasEnded)
{
    for (const char* program : {"S(1)\nS(1)", "S(1)\nS(1)\n"}) {
        SCOPED_TRACE(program);
        SetProgram("0", program);
        form.runAction->trigger();
        ASSERT_TRUE(RunEnds());
        EXPECT_EQ(form.MachineState().registers[0], 2);
        EXPECT_TRUE(MarkedLines().empty());
    }
}

// Once the program text differs from the one set, the editor's lines are no
// longer the lines that run: no line is shown as the next, and the program's
// title says why until the text is as it was or Set loads the new one.
TEST_F(DebugMenu, AProgramEditedSinceSetShowsNoCurrentLine)
{
    SetProgram("0", "S(1)\nS(2)\nS(3)");
    form.stepAction->trigger();
    ASSERT_EQ(MarkedLines().size(), 1u);
    ASSERT_TRUE(form.pathLabel->Remark().isEmpty());
    QTextCursor top(form.programEditor->document()->firstBlock());
    top.insertText(QStringLiteral("Z(1)\n"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return MarkedLines().empty(); }, 1000));
    EXPECT_FALSE(form.pathLabel->Remark().isEmpty());
    EXPECT_TRUE(form.pathLabel->ShownText().endsWith(form.pathLabel->Remark()));
    form.stepAction->trigger();
    EXPECT_TRUE(MarkedLines().empty()) << "a step does not bring the stale line back";
    form.programEditor->undo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return MarkedLines().size() == 1u; }, 1000));
    EXPECT_EQ(MarkedLines()[0].first, 2);
    EXPECT_TRUE(form.pathLabel->Remark().isEmpty());
    top.insertText(QStringLiteral("Z(1)\n"));
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    EXPECT_TRUE(form.pathLabel->Remark().isEmpty());
    EXPECT_EQ(MarkedLines().size(), 1u);
}

} // namespace
} // namespace tessivar::ui::test
