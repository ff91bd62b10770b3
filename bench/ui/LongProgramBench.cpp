// Long programs in the real main window, drawn on the render thread or on the
// window's thread: Set with its first frame, Open, the memory they take above
// the empty window, and the longest time the window stops answering meanwhile
// (the longest gap between passes of a 5 ms timer).
#include "LongProgram.h"
#include "MainWindow.h"
#include "SceneRoot.h"
#include "SceneView.h"
#include "WindowBench.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <fstream>

#include <unistd.h>

namespace {

using namespace tessivar;
using ui::bench::RunEventLoopFor;
using ui::bench::ShowWithoutExplanation;

double ResidentMb()
{
    std::ifstream statm("/proc/self/statm");
    double pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The longest time between two passes of a 5 ms timer from its start.
class StallWatch {
public:
    StallWatch()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Pass(); });
        timer_.start(5);
        since_.start();
    }

    double LongestMs()
    {
        Pass();
        return longestMs_;
    }

private:
    void Pass()
    {
        longestMs_ = std::max(longestMs_, static_cast<double>(since_.nsecsElapsed()) / 1e6);
        since_.start();
    }

    QTimer timer_;
    QElapsedTimer since_;
    double longestMs_ = 0;
};

// Handles events as they come until `done`.
template <class Done> void ServeEventsUntil(Done done)
{
    while (!done())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void ShowWindow(ui::MainWindow& form, const benchmark::State& state)
{
    form.sceneView->SetThreading(state.range(1) != 0 ? render::FrameThreading::RenderThread
                                                     : render::FrameThreading::ViewThread);
    ShowWithoutExplanation(form);
    RunEventLoopFor(300);
}

// From the click on "セット" to the first frame that shows the program set.
void SetLongProgram(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    ui::MainWindow form;
    ShowWindow(form, state);
    const double emptyMb = ResidentMb();
    const QString program = render::bench::LongProgram(lines).join(QLatin1Char('\n'));
    double longestStallMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        form.programEditor->setPlainText(program);
        RunEventLoopFor(100);
        state.ResumeTiming();
        StallWatch watch;
        QTest::mouseClick(form.setButton, Qt::LeftButton);
        const std::uint64_t set = form.Scene().Root->Revision();
        ServeEventsUntil([&] { return form.sceneView->DrawnRevision() >= set; });
        longestStallMs = std::max(longestStallMs, watch.LongestMs());
    }
    state.counters["lines"] = lines;
    state.counters["longest_stall_ms"] = longestStallMs;
    state.counters["memory_above_empty_mb"] = ResidentMb() - emptyMb;
}

// Open of a program file, to the editor holding it.
void OpenLongProgram(benchmark::State& state)
{
    const int lines = static_cast<int>(state.range(0));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.urm"));
    QFile file(path);
    (void)file.open(QIODevice::WriteOnly);
    file.write(render::bench::LongProgram(lines).join(QStringLiteral("\r\n")).toUtf8());
    file.close();
    ui::MainWindow form;
    ShowWindow(form, state);
    const double emptyMb = ResidentMb();
    double longestStallMs = 0;
    for (auto _ : state) {
        StallWatch watch;
        form.OpenProgramFile(path);
        RunEventLoopFor(20);
        longestStallMs = std::max(longestStallMs, watch.LongestMs());
    }
    state.counters["lines"] = lines;
    state.counters["longest_stall_ms"] = longestStallMs;
    state.counters["memory_above_empty_mb"] = ResidentMb() - emptyMb;
}

BENCHMARK(SetLongProgram)
    ->ArgsProduct({{1000, 100000}, {1, 0}})
    ->ArgNames({"lines", "render_thread"})
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(OpenLongProgram)
    ->ArgsProduct({{100000}, {1}})
    ->ArgNames({"lines", "render_thread"})
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
