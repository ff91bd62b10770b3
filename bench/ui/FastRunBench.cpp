// Runs at full speed in the real main window (Ctrl+F5), with the window's
// own measures: the time from the key press to idle with the result shown
// (scene rebuild included), the rate against the command-line runner's line
// by line on the same program, the longest pause of the window's thread
// while a run goes on, and the time "停止" takes.
#include "MainWindow.h"
#include "TeachingPrograms.h"
#include "ValueSlider.h"
#include "WindowBench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace tessivar;
using ui::bench::RunEventLoopFor;

// R(1) := R(1) * R(2) by repeated addition, the classroom version.
const char* const kClassMultiplication = "J(1,3,12)\nJ(2,3,11)\nT(1,3)\nS(5)\nJ(2,5,11)\nZ(4)\nS(3)\nS(4)\n"
                                         "J(1,4,4)\nJ(1,1,7)\nT(3,1)\nZ(2)\nZ(3)\nZ(4)\nZ(5)";

// Rings of copies that no summary covers, so that a run takes its time, and
// their registers for 10^12 trips.
const std::string kRingsText = teaching::EditorText(teaching::kThreeRings);
const char* const kRings = kRingsText.c_str();
const std::string kLongRingsText = teaching::EditorText(teaching::ThreeRingsRegisters("1000000000000"));
const char* const kLongRings = kLongRingsText.c_str();

bool Idle(const ui::MainWindow& form)
{
    return form.runButton->text() == QStringLiteral("実行") && form.stepButton->isEnabled();
}

// The event loop, without QTest::qWait's sleeps, until `done` or 60 s.
template <typename Done> void RunEventsUntil(Done done)
{
    QElapsedTimer limit;
    limit.start();
    while (!done() && limit.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

class ShownWindow {
public:
    ShownWindow(const char* registers, const char* program) : registers_(QString::fromUtf8(registers))
    {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
        // Shortcuts reach the active window only.
        form.activateWindow();
        (void)QTest::qWaitForWindowActive(&form);
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
        form.programEditor->setPlainText(QString::fromUtf8(program));
    }

    // A run rewrites the register editor: each Set loads the registers anew.
    void Set()
    {
        form.registerEditor->setPlainText(registers_);
        QTest::mouseClick(form.setButton, Qt::LeftButton);
        QTest::qWait(50);
    }

    // Ctrl+F5 as a user presses it, and the milliseconds until the window is
    // idle again with the result shown.
    double RunToEnd()
    {
        QElapsedTimer elapsed;
        elapsed.start();
        QTest::keyClick(&form, Qt::Key_F5, Qt::ControlModifier);
        RunEventsUntil([&] { return Idle(form); });
        return static_cast<double>(elapsed.nsecsElapsed()) / 1e6;
    }

    ui::MainWindow form;

private:
    QString registers_;
};

void KeyPressToResult(benchmark::State& state)
{
    ShownWindow window("1000000\n1000000", kClassMultiplication);
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        window.Set();
        state.ResumeTiming();
        longest = std::max(longest, window.RunToEnd());
    }
    if (window.form.MachineState().registers[0] != 1000000000000) {
        state.SkipWithError("wrong product");
        return;
    }
    state.counters["steps"] = static_cast<double>(window.form.MachineState().stepCount);
    state.counters["longest_ms"] = longest;
}

// Steps per second of `tessivar --run --no-acceleration` on `program`.
double CommandLineStepsPerSecond(const char* registers, const char* program)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("program.urm"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(program);
    file.close();
    QStringList arguments{QStringLiteral("--run"), path, QStringLiteral("--no-acceleration")};
    arguments += QString::fromUtf8(registers).split(QLatin1Char('\n'));
    QProcess runner;
    QElapsedTimer elapsed;
    elapsed.start();
    runner.start(QStringLiteral(TESSIVAR_EXECUTABLE), arguments);
    runner.waitForFinished(-1);
    const double seconds = static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
    // The counter line: "Step:" and the count, then the reason.
    const QString counter = QString::fromUtf8(runner.readAllStandardError()).section(QLatin1Char(':'), 1).trimmed();
    return counter.section(QLatin1Char(' '), 0, 0).toDouble() / seconds;
}

// A program no summary helps: the window against the command line's line by
// line, in one run; a 10 ms timer on the window's thread records its longest
// pause meanwhile.
void UnsummarisedAgainstCommandLine(benchmark::State& state)
{
    const std::string registerText = teaching::EditorText(teaching::ThreeRingsRegisters("30000000"));
    const char* const registers = registerText.c_str();
    ShownWindow window(registers, kRings);
    double windowRate = 0;
    double commandLineRate = 0;
    double longestPause = 0;
    for (auto _ : state) {
        window.Set();
        QElapsedTimer sinceTick;
        QTimer ticks;
        ticks.setTimerType(Qt::PreciseTimer);
        ticks.setInterval(10);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            longestPause = std::max(longestPause, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        sinceTick.start();
        ticks.start();
        const double ms = window.RunToEnd();
        ticks.stop();
        windowRate = static_cast<double>(window.form.MachineState().stepCount) / (ms / 1000);
        commandLineRate = CommandLineStepsPerSecond(registers, kRings);
    }
    state.counters["window_steps_per_s"] = windowRate;
    state.counters["cli_steps_per_s"] = commandLineRate;
    state.counters["window_share"] = commandLineRate > 0 ? windowRate / commandLineRate : 0;
    state.counters["longest_pause_ms"] = longestPause;
}

// "停止" during a long run: from the click to idle.
void StopAnswers(benchmark::State& state)
{
    ShownWindow window(kLongRings, kRings);
    double longest = 0;
    for (auto _ : state) {
        window.Set();
        QTest::keyClick(&window.form, Qt::Key_F5, Qt::ControlModifier);
        RunEventLoopFor(300);
        QElapsedTimer elapsed;
        elapsed.start();
        QTest::mouseClick(window.form.runButton, Qt::LeftButton);
        RunEventsUntil([&] { return Idle(window.form); });
        longest = std::max(longest, static_cast<double>(elapsed.nsecsElapsed()) / 1e6);
    }
    state.counters["longest_ms"] = longest;
}

BENCHMARK(KeyPressToResult)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(UnsummarisedAgainstCommandLine)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StopAnswers)->Iterations(5)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
