// How long the program editor takes over one keystroke in a program of
// 100,000 lines; the target is under 5 ms. Each keystroke has the decoder
// look again at the line it changed (colours and underlines); the margin
// then classifies the lines in view as it paints them.
//   Keystroke: a character typed into a line, or a line split by Enter;
//     the editor alone, with and without repainting the text and the margin.
//   WholeProgram: the text put into the editor at once, as Open does, every
//     line coloured and marked.
//   MainWindowKeystroke: the same in the real main window, with everything
//     else that follows an edit there (title, breakpoints, Debug menu).
#include "LineNumberArea.h"
#include "MainWindow.h"
#include "ProgramEditor.h"
#include "Styles.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

using namespace tessivar;

constexpr int kLines = 100'000;
constexpr int kCaretLine = kLines / 2;

// Every kind of line, faults and jumps in and out of the program among them.
QString LongProgram()
{
    QStringList lines;
    for (int i = 0; i < kLines; ++i) {
        switch (i % 8) {
        case 0:
            lines.append(QStringLiteral("S(3)"));
            break;
        case 1:
            lines.append(QStringLiteral("J(1,3,%1)").arg((i * 7919) % (kLines + 10)));
            break;
        case 2:
            lines.append(QStringLiteral("T(2,1)"));
            break;
        case 3:
            lines.append(QStringLiteral("Z(4)"));
            break;
        case 4:
            lines.append(QStringLiteral("/ R(1):=R(1)-1"));
            break;
        case 5:
            lines.append(QStringLiteral("J(1,2,.2)"));
            break;
        case 6:
            lines.append(QStringLiteral("S3"));
            break;
        default:
            lines.append(QStringLiteral("J(1,2)"));
            break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void PutCaretAtEndOf(QPlainTextEdit& editor, int line)
{
    QTextCursor caret(editor.document()->findBlockByNumber(line));
    caret.movePosition(QTextCursor::EndOfBlock);
    editor.setTextCursor(caret);
    editor.setFocus();
    QApplication::processEvents();
}

// One keystroke an iteration: the key, then Backspace to take it back.
template <typename AfterKey>
void TypeAndTakeBack(benchmark::State& state, QPlainTextEdit& editor, Qt::Key key, AfterKey after)
{
    bool typed = false;
    for (auto _ : state) {
        QTest::keyClick(&editor, typed ? Qt::Key_Backspace : key);
        after();
        typed = !typed;
    }
    state.counters["lines"] = editor.blockCount();
}

void Keystroke(benchmark::State& state)
{
    const Qt::Key key = state.range(0) != 0 ? Qt::Key_Return : Qt::Key_1;
    const bool repaint = state.range(1) != 0;
    ui::ProgramEditor editor(nullptr);
    editor.setFont(ui::EditorFont());
    editor.setLineWrapMode(QPlainTextEdit::NoWrap);
    editor.resize(192, 239);
    editor.setPlainText(LongProgram());
    editor.show();
    (void)QTest::qWaitForWindowExposed(&editor);
    PutCaretAtEndOf(editor, kCaretLine);
    TypeAndTakeBack(state, editor, key, [&] {
        if (repaint) {
            editor.viewport()->repaint();
            editor.LineNumbers()->repaint();
        }
    });
}

void WholeProgram(benchmark::State& state)
{
    const QString program = LongProgram();
    ui::ProgramEditor editor(nullptr);
    editor.setFont(ui::EditorFont());
    for (auto _ : state)
        editor.setPlainText(program);
    state.counters["lines"] = editor.blockCount();
}

void MainWindowKeystroke(benchmark::State& state)
{
    const Qt::Key key = state.range(0) != 0 ? Qt::Key_Return : Qt::Key_1;
    ui::MainWindow form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    form.programEditor->setPlainText(LongProgram());
    PutCaretAtEndOf(*form.programEditor, kCaretLine);
    TypeAndTakeBack(state, *form.programEditor, key, [] { QApplication::processEvents(); });
}

BENCHMARK(Keystroke)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"enter", "repaint"})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(WholeProgram)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(MainWindowKeystroke)->Arg(0)->Arg(1)->ArgName("enter")->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
