#include "ProgramForm.h"

#include "CompiledProgram.h"
#include "MessageBoxWatcher.h"
#include "SeenState.h"
#include "TeachingPrograms.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

#include <memory>
#include <string>
#include <vector>

namespace tessivar::ui::test {
namespace {

// R(3) = R(1) × R(2) by repeated addition: an inner loop the runner
// summarises inside an outer loop that it runs line by line.
const char* const kMultiplication = "J(4,2,9)\n"
                                    "Z(5)\n"
                                    "J(5,1,7)\n"
                                    "S(3)\n"
                                    "S(5)\n"
                                    "J(1,1,3)\n"
                                    "S(4)\n"
                                    "J(1,1,1)";

// Rings of copies that no summary covers, so that a run takes its time, and
// their registers for 10^12 trips.
const std::string kRingsText = teaching::EditorText(teaching::kThreeRings);
const char* const kRings = kRingsText.c_str();
const std::string kLongRingsText = teaching::EditorText(teaching::ThreeRingsRegisters("1000000000000"));
const char* const kLongRings = kLongRingsText.c_str();

class FastRun : public ProgramForm {
protected:
    bool Idle() const
    {
        return form.runButton->text() == QStringLiteral("実行") && form.stepButton->isEnabled()
            && form.setButton->isEnabled();
    }

    bool RunEnds()
    {
        return QTest::qWaitFor([&] { return Idle(); }, 20000);
    }

    // What "1ステップ" pressed again and again from Set shows when it stops
    // where a run would: at the end, at a failing line, or before a line of
    // `stopLines` other than the first.
    SeenState Stepped(const char* registers, const char* program, const std::vector<std::int64_t>& stopLines)
    {
        MessageBoxWatcher boxes;
        SetProgram(registers, program);
        bool first = true;
        while (form.MachineState().CanContinue()
               && (first || std::find(stopLines.begin(), stopLines.end(), form.MachineState().pc) == stopLines.end())) {
            first = false;
            const StepCount step = form.MachineState().stepCount;
            const std::int64_t pc = form.MachineState().pc;
            form.stepAction->trigger();
            if (form.MachineState().stepCount == step && form.MachineState().pc == pc)
                break; // the line failed
        }
        return Seen(form);
    }
};

// Each run at full speed ends in what stepping line by line shows: the
// register editor, the counter, PC and the balls of every register.
TEST_F(FastRun, EndsWhereSteppingLineByLineEnds)
{
    struct Case {
        const char* name;
        const char* registers;
        const char* program;
        std::vector<int> breakpoints;
        std::optional<int> caretLine; // run to the caret
        std::size_t errorBoxes;
    };
    const Case cases[] = {
        {"to the end", "25\n3", kMultiplication, {}, std::nullopt, 0},
        {"to a breakpoint reached by a jump", "25\n3", kMultiplication, {6}, std::nullopt, 0},
        {"to a breakpoint inside the summarised loop", "25\n3", kMultiplication, {4}, std::nullopt, 0},
        {"to the caret", "25\n3", kMultiplication, {}, 7, 0},
        {"to the caret past a breakpoint it reaches first", "25\n3", kMultiplication, {6}, 7, 0},
        {"to S on the largest value", "9223372036854775608", "S(1)\nJ(1,1,1)", {}, std::nullopt, 1},
        {"to a register above 256", "3", "S(1)\nS(300)", {}, std::nullopt, 1},
        {"with comments and a jump out", "2\n5", "/ copy\nT(2,3)\nS(1)\nJ(1,3,0)\nJ(1,1,2)", {}, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::int64_t> stopLines(c.breakpoints.begin(), c.breakpoints.end());
        if (c.caretLine)
            stopLines.push_back(*c.caretLine);
        const SeenState expected = Stepped(c.registers, c.program, stopLines);

        form.clearBreakpointsAction->trigger();
        SetProgram(c.registers, c.program);
        for (const int line : c.breakpoints)
            ToggleBreakpointOnLine(line);
        MessageBoxWatcher boxes;
        if (c.caretLine) {
            PutCaretOnLine(*c.caretLine);
            form.runToCaretAction->trigger();
        } else {
            form.runToEndAction->trigger();
        }
        ASSERT_TRUE(RunEnds());
        QTest::qWait(20); // the error box, if any, is answered
        EXPECT_EQ(Seen(form), expected);
        EXPECT_EQ(boxes.Seen().size(), c.errorBoxes);
        form.clearBreakpointsAction->trigger();
    }
}

// A run at full speed holds the controls as a run does; the counter follows
// it, and "停止" ends it where it has got to, in a state the machine passed.
TEST_F(FastRun, StopEndsItWhereItHasGot)
{
    SetProgram(kLongRings, kRings);
    EXPECT_TRUE(form.runToEndAction->isEnabled());
    form.runToEndAction->trigger();
    EXPECT_EQ(form.runButton->text(), QStringLiteral("停止"));
    EXPECT_FALSE(form.setButton->isEnabled());
    EXPECT_FALSE(form.stepButton->isEnabled());
    EXPECT_TRUE(form.runButton->isEnabled());
    EXPECT_FALSE(form.runToEndAction->isEnabled());
    EXPECT_FALSE(form.runToCaretAction->isEnabled());
    EXPECT_FALSE(form.stepBackAction->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Scene().CounterText->Text().View() != "Step:   0"; }, 5000))
        << "the counter follows the run";
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    ASSERT_TRUE(Idle()) << "stopped at once";

    const Machine& shown = form.MachineState();
    ASSERT_GT(shown.stepCount, 0);
    Machine reference;
    TextLines registerLines = teaching::ThreeRingsRegisters("1000000000000");
    reference.Set(registerLines, SplitTextLines(kRings));
    CompiledProgram(reference.program, LoopAcceleration::Off).Run(reference, RunLimits{.maxLines = shown.stepCount});
    EXPECT_EQ(shown.registers, reference.registers);
    EXPECT_EQ(shown.pc, reference.pc);
    TextLines panel = registerLines;
    for (int number = 1; number <= static_cast<int>(registerLines.size()); ++number)
        UpdateRegisterPanel(panel, number, reference.registers[static_cast<std::size_t>(number - 1)]);
    QStringList expectedPanel;
    for (const std::string& line : panel)
        expectedPanel.append(QString::fromStdString(line));
    EXPECT_EQ(form.registerEditor->toPlainText(), expectedPanel.join(QLatin1Char('\n')));
}

// Whatever replaces the program or closes the window stops the run first,
// and nothing is left running.
TEST_F(FastRun, NewAndClosingStopItFirst)
{
    SetProgram(kLongRings, kRings);
    form.runToEndAction->trigger();
    EXPECT_FALSE(form.setButton->isEnabled()) << "Set waits for the run, as during any run";
    QTest::qWait(50);
    MessageBoxWatcher boxes(QStringLiteral("保存しない"));
    form.newAction->trigger();
    EXPECT_TRUE(Idle());
    EXPECT_FALSE(form.MachineState().CanContinue());
    EXPECT_NE(form.MachineState().registers[3], 0) << "the passes run so far stay";

    auto other = std::make_unique<MainWindow>();
    other->show();
    other->registerEditor->setPlainText(QString::fromUtf8(kLongRings));
    other->programEditor->setPlainText(QString::fromUtf8(kRings));
    other->setButton->click();
    other->runToEndAction->trigger();
    QTest::qWait(50);
    EXPECT_TRUE(other->close());
    other.reset();
}

// What a state shows of the registers' values: a register line or a column
// of no balls that a step added and an undo left is a 0 like any other.
SeenState Values(SeenState seen)
{
    while (seen.panel.endsWith(QStringLiteral("\n0")))
        seen.panel.chop(2);
    while (!seen.balls.empty() && seen.balls.back() == 0)
        seen.balls.pop_back();
    return seen;
}

// Step back after a run at full speed shows only states that stepping passes
// through (a summarised loop goes back to its entry in one go), down to the
// state after Set; stepping forward again from there repeats stepping.
TEST_F(FastRun, StepBackShowsOnlyStatesSteppingPassesThrough)
{
    const char* const registers = "25\n3";
    SetProgram(registers, kMultiplication);
    std::vector<SeenState> stepped{Values(Seen(form))};
    while (form.MachineState().CanContinue()) {
        form.stepAction->trigger();
        stepped.push_back(Values(Seen(form)));
    }
    for (const std::optional<int> breakpoint : {std::optional<int>(), std::optional<int>(6)}) {
        SCOPED_TRACE(breakpoint ? "to a breakpoint, and on to the end" : "to the end");
        SetProgram(registers, kMultiplication);
        form.clearBreakpointsAction->trigger();
        if (breakpoint) {
            ToggleBreakpointOnLine(*breakpoint);
            form.runToEndAction->trigger();
            ASSERT_TRUE(RunEnds());
            form.clearBreakpointsAction->trigger();
        }
        form.runToEndAction->trigger();
        ASSERT_TRUE(RunEnds());
        ASSERT_EQ(Values(Seen(form)), stepped.back());
        std::size_t undone = 0;
        auto earliest = stepped.end();
        while (form.stepBackAction->isEnabled()) {
            form.stepBackAction->trigger();
            ++undone;
            const auto found = std::find(stepped.begin(), stepped.end(), Values(Seen(form)));
            ASSERT_NE(found, stepped.end())
                << "a state stepping never showed, after " << undone << " steps back: " << Seen(form);
            ASSERT_LT(found, earliest) << "each step back goes further back";
            earliest = found;
        }
        EXPECT_EQ(earliest, stepped.begin()) << "back to the state after Set";
        EXPECT_LT(undone, stepped.size() - 1) << "summarised loops go back in one go";
        form.stepAction->trigger();
        EXPECT_EQ(Values(Seen(form)), stepped[1]);
    }
}

} // namespace
} // namespace tessivar::ui::test
