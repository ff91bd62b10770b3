// Starts the real main window on the current display, optionally closes the
// explanation, types register values and presses "セット", then saves a picture
// of the window. With --explanation it makes the window's explanation picture.
#include "ApplicationSetup.h"
#include "Callouts.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "ValueSlider.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QHelpEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>

#include <cstdio>

namespace {

using tessivar::ui::MainWindow;
namespace grab = tessivar::ui::grab;

constexpr QSize kExplanationSize(1074, 661);
// The camera pan that Set starts runs 2 s out and 2 s back at the slowest speed.
constexpr int kSetSettleMs = 4500;

// A point down the middle of a widget, `fraction` of its height from its
// top, in the client area.
QPoint PointInClientArea(const MainWindow& form, const QWidget* widget, double fraction)
{
    return widget->mapTo(form.clientArea, QPoint(widget->width() / 2, static_cast<int>(widget->height() * fraction)));
}

QImage ExplanationPicture(const MainWindow& form, const QImage& shot)
{
    const grab::Fitted fitted = grab::FitInto(shot, kExplanationSize);
    // Bubbles over the view: the zoom one low, the speed one high, its tail
    // running to the slider's top above the buttons.
    const QPoint zoom = fitted.Map(PointInClientArea(form, form.zoomSlider, 0.5));
    const QPoint speed = fitted.Map(PointInClientArea(form, form.speedSlider, 0.05));
    return grab::WithCallouts(
        fitted.picture,
        {
            {QCoreApplication::translate("Explanation", "表示範囲の拡大・縮小"), zoom + QPoint(-170, 240), zoom},
            {QCoreApplication::translate("Explanation", "実行速度の調整"), speed + QPoint(-340, -20), speed},
        });
}

void PutCaretOn(MainWindow& form, int line)
{
    form.programEditor->setFocus();
    form.programEditor->setTextCursor(QTextCursor(form.programEditor->document()->findBlockByNumber(line - 1)));
}

// A tooltip is a window of its own: it shows on the screen, not in the form.
void ShowToolTip(MainWindow& form, int line)
{
    const QTextBlock block = form.programEditor->document()->findBlockByNumber(line - 1);
    const QPoint at = form.programEditor->cursorRect(QTextCursor(block)).center() + QPoint(10, 0);
    QHelpEvent help(QEvent::ToolTip, at, form.programEditor->viewport()->mapToGlobal(at));
    QApplication::sendEvent(form.programEditor->viewport(), &help);
    QTest::qWait(500);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Saves a picture of the main window."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("picture"), QStringLiteral("PNG file to write"));
    const QCommandLineOption language(QStringLiteral("lang"),
                                      QStringLiteral("the window's language: ja (default) or en"),
                                      QStringLiteral("code"), QStringLiteral("ja"));
    const QCommandLineOption closeOverlay(QStringLiteral("close-explanation"),
                                          QStringLiteral("press the close button of the explanation"));
    const QCommandLineOption registers(QStringLiteral("registers"), QStringLiteral("register editor text"),
                                       QStringLiteral("text"));
    const QCommandLineOption set(QStringLiteral("set"),
                                 QStringLiteral("press the set button and let the scene settle"));
    const QCommandLineOption explanation(
        QStringLiteral("explanation"),
        QStringLiteral("the explanation picture: sample program set with 3 in R(1), callouts"));
    const QCommandLineOption program(QStringLiteral("program"),
                                     QStringLiteral("program editor text, lines separated by ';'"),
                                     QStringLiteral("text"));
    const QCommandLineOption stepWait(QStringLiteral("step-and-wait"),
                                      QStringLiteral("after Set, press 1ステップ once and wait this long (ms)"),
                                      QStringLiteral("ms"));
    const QCommandLineOption zoom(QStringLiteral("zoom"), QStringLiteral("zoom slider value (5 to 50)"),
                                  QStringLiteral("value"));
    const QCommandLineOption run(QStringLiteral("run-at-top-speed"),
                                 QStringLiteral("after Set, run the program at the top speed to its end"));
    const QCommandLineOption midRun(QStringLiteral("mid-run"),
                                    QStringLiteral("after Set, run at the top speed and take the picture this long "
                                                   "into the run (ms)"),
                                    QStringLiteral("ms"));
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("open this program file first"),
                                  QStringLiteral("file"));
    const QCommandLineOption example(QStringLiteral("example"),
                                     QStringLiteral("open the example of this title from the File menu"),
                                     QStringLiteral("title"));
    const QCommandLineOption caretLine(QStringLiteral("caret-line"),
                                       QStringLiteral("put the caret on this line of the program editor"),
                                       QStringLiteral("line"));
    const QCommandLineOption toolTipLine(QStringLiteral("tooltip-line"),
                                         QStringLiteral("show the tooltip of this program line; the picture is "
                                                        "then of the whole screen"),
                                         QStringLiteral("line"));
    const QCommandLineOption breakpointLine(QStringLiteral("breakpoint-line"),
                                            QStringLiteral("put a breakpoint on this line of the program editor"),
                                            QStringLiteral("line"));
    const QCommandLineOption clientHeight(QStringLiteral("client-height"),
                                          QStringLiteral("make the client area this tall (the program editor grows)"),
                                          QStringLiteral("pixels"));
    parser.addOptions({breakpointLine, clientHeight, closeOverlay, registers, set, explanation, program, stepWait, zoom,
                       run, midRun, open, example, caretLine, toolTipLine, language});
    parser.process(application);
    // Never the language last chosen in a window: a picture is made in the one asked for.
    tessivar::ui::SetUpApplication(
        tessivar::ui::LanguageOfCode(parser.value(language)).value_or(tessivar::ui::Language::Japanese));
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);
    const bool makeExplanation = parser.isSet(explanation);

    MainWindow form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }
    if (parser.isSet(clientHeight))
        form.resize(form.width(), parser.value(clientHeight).toInt() + form.menuBar()->height());
    QTest::qWait(200);
    if (makeExplanation || parser.isSet(closeOverlay))
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    if (makeExplanation || parser.isSet(registers))
        form.registerEditor->setPlainText(makeExplanation ? QStringLiteral("3") : parser.value(registers));
    if (parser.isSet(open))
        form.OpenProgramFile(parser.value(open));
    if (parser.isSet(program))
        form.programEditor->setPlainText(parser.value(program).replace(QLatin1Char(';'), QLatin1Char('\n')));
    if (parser.isSet(example)) {
        for (QAction* action : form.exampleMenu->actions())
            if (action->text() == parser.value(example))
                action->trigger();
    }
    if (parser.isSet(breakpointLine)) {
        PutCaretOn(form, parser.value(breakpointLine).toInt());
        form.toggleBreakpointAction->trigger();
    }
    if (parser.isSet(caretLine))
        PutCaretOn(form, parser.value(caretLine).toInt());
    if (parser.isSet(zoom))
        form.zoomSlider->SetValue(parser.value(zoom).toDouble());
    if (makeExplanation || parser.isSet(set)) {
        QTest::mouseClick(form.setButton, Qt::LeftButton);
        QTest::qWait(kSetSettleMs);
    }
    if (parser.isSet(midRun)) {
        form.speedSlider->SetValue(form.speedSlider->Max());
        QTest::mouseClick(form.runButton, Qt::LeftButton);
        QTest::qWait(parser.value(midRun).toInt());
    } else if (parser.isSet(run)) {
        form.speedSlider->SetValue(form.speedSlider->Max());
        QTest::mouseClick(form.runButton, Qt::LeftButton);
        if (!QTest::qWaitFor([&] { return form.runButton->text() == QStringLiteral("実行"); }, 60000)) {
            std::fprintf(stderr, "the run did not end within a minute\n");
            return 1;
        }
        QTest::qWait(1200);
    } else if (parser.isSet(stepWait)) {
        QTest::mouseClick(form.stepButton, Qt::LeftButton);
        QTest::qWait(parser.value(stepWait).toInt());
    } else {
        QTest::qWait(200);
    }

    if (parser.isSet(toolTipLine))
        ShowToolTip(form, parser.value(toolTipLine).toInt());

    // The explanation shows the client area: the real menu bar stays above it.
    const QImage shot = makeExplanation ? form.clientArea->grab().toImage()
        : parser.isSet(toolTipLine)     ? QGuiApplication::primaryScreen()->grabWindow(0).toImage()
                                        : form.grab().toImage();
    const QImage picture = makeExplanation ? ExplanationPicture(form, shot) : shot;
    const QString path = parser.positionalArguments().first();
    if (!picture.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
