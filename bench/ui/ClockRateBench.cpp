// Does the window's 10 ms animation clock keep its rate while balls spin?
// Every ball spins with a running copy of the template's spin animation, so
// every clock pass changes the scene and asks the view for a frame. Each
// iteration runs the event loop for one second.
//   ClockPasses: the window's arrangement on its own - the Qt clock driver
//     ticking the scene's clock, the 736 x 602 view redrawn after each pass
//     that changed the scene - drawn, or not shown at all (the clock alone).
//   MainWindowFrames: the real main window with the explanation closed; the
//     frames its view paints (one per pass while everything spins).
#include "BallLayout.h"
#include "MainWindow.h"
#include "QtClockDriver.h"
#include "SceneView.h"
#include "Stage.h"
#include "ValueSlider.h"
#include "WindowBench.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

using namespace tessivar;
using ui::bench::RunEventLoopFor;
using ui::bench::ShowWithoutExplanation;

constexpr int kBallsPerRegister = 200;
constexpr int kMeasureMs = 1000;
constexpr double kLateGap = 0.015; // seconds: a tick half an interval late

// Every register of the first `registers` shows 200 balls, placed as Set
// places a value of 200, each spinning for ever.
void AddSpinningBalls(scene::Stage& design, int registers)
{
    constexpr int value = kBallsPerRegister;
    for (int i = 0; i < registers; ++i) {
        for (int m = 0; m < kBallsPerRegister; ++m) {
            auto* ball = design.BallTemplate->CloneAs<scene::Ball>(&design.Owner);
            ball->SetParent(design.Root);
            ball->Position.SetPoint(scene::BallPosition(i, value, m, design.BallTemplate->Scale.Y()));
            ball->SetVisible(true);
            auto* spin = design.SpinTemplate->CloneAs<scene::FloatAnimation>(&design.Owner);
            spin->SetParent(ball);
            spin->SetLoop(true);
            spin->SetDelay(static_cast<float>(m % 7) / 7);
            spin->Start();
        }
    }
}

// Times of events (clock passes or painted frames) and what they add up to.
class EventTimes {
public:
    void Record() { times_.push_back(static_cast<double>(clock_.nsecsElapsed()) / 1e9); }

    void Restart()
    {
        times_.clear();
        clock_.start();
    }

    void Report(benchmark::State& state, const char* name, double seconds) const
    {
        std::vector<double> gaps(times_.size() > 1 ? times_.size() - 1 : 0);
        for (std::size_t i = 0; i < gaps.size(); ++i)
            gaps[i] = times_[i + 1] - times_[i];
        const double count = std::max<double>(1, static_cast<double>(gaps.size()));
        state.counters[std::string(name) + "_per_s"] = static_cast<double>(times_.size()) / seconds;
        state.counters["mean_gap_ms"] = 1000 * std::accumulate(gaps.begin(), gaps.end(), 0.0) / count;
        state.counters["max_gap_ms"] = gaps.empty() ? 0 : 1000 * *std::max_element(gaps.begin(), gaps.end());
        state.counters["late_share"]
            = static_cast<double>(std::count_if(gaps.begin(), gaps.end(), [](double gap) { return gap > kLateGap; }))
            / count;
    }

private:
    QElapsedTimer clock_;
    std::vector<double> times_;
};

class PaintTimes : public QObject {
public:
    EventTimes times;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            times.Record();
        return QObject::eventFilter(watched, event);
    }
};

// Runs the event loop for one second per iteration; `times` are taken from
// the last iteration.
void MeasureOneSecondEach(benchmark::State& state, EventTimes& times, const char* name)
{
    double seconds = 0;
    for (auto _ : state) {
        times.Restart();
        QElapsedTimer elapsed;
        elapsed.start();
        RunEventLoopFor(kMeasureMs);
        seconds = static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
    }
    times.Report(state, name, seconds);
}

void ClockPasses(benchmark::State& state)
{
    const int registers = static_cast<int>(state.range(0));
    EventTimes passes;
    ui::QtClockDriver driver;
    scene::AnimationClock clock{driver};
    scene::Stage design{clock};
    render::SceneView view{design.Root};
    driver.Attach(clock, [&] {
        passes.Record();
        view.UpdateIfChanged();
    });
    design.BuildRegisterLabels();
    AddSpinningBalls(design, registers);
    view.resize(736, 602);
    if (state.range(1) != 0) {
        view.show();
        (void)QTest::qWaitForWindowExposed(&view);
    }
    QTest::qWait(300); // shaders, pictures and text meshes made
    MeasureOneSecondEach(state, passes, "passes");
    state.counters["balls"] = registers * kBallsPerRegister;
}

void MainWindowFrames(benchmark::State& state)
{
    const int registers = static_cast<int>(state.range(0));
    ui::MainWindow form;
    ShowWithoutExplanation(form);
    AddSpinningBalls(form.Scene(), registers);
    PaintTimes frames;
    form.sceneView->installEventFilter(&frames);
    QTest::qWait(300);
    MeasureOneSecondEach(state, frames.times, "frames");
    state.counters["balls"] = registers * kBallsPerRegister;
}

// A run at the top speed in the real main window, every register of the
// first `registers` holding 200 (a Set's drops and spins included), its frames
// drawn on the render thread or, as before it, on the window's thread: the
// steps it executes per second of wall time (each step is one tick), the
// frames the view paints meanwhile, and the longest time a frame's copy of
// the scene held the window's thread.
void TopSpeedRunSteps(benchmark::State& state)
{
    const int registers = static_cast<int>(state.range(0));
    ui::MainWindow form;
    form.sceneView->SetThreading(state.range(1) != 0 ? render::FrameThreading::RenderThread
                                                     : render::FrameThreading::ViewThread);
    ShowWithoutExplanation(form);
    QStringList lines;
    for (int i = 0; i < registers; ++i)
        lines.append(QStringLiteral("200"));
    form.registerEditor->setPlainText(lines.join(QLatin1Char('\n')));
    form.programEditor->setPlainText(QStringLiteral("S(1)\nT(2,3)\nJ(1,1,1)"));
    form.speedSlider->SetValue(form.speedSlider->Max());
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    PaintTimes frames;
    form.sceneView->installEventFilter(&frames);
    double stepsPerSecond = 0;
    double seconds = 0;
    form.sceneView->TakeLongestSyncMs(); // Set's frames are not part of the run
    for (auto _ : state) {
        frames.times.Restart();
        const std::int64_t before = form.MachineState().stepCount;
        QElapsedTimer elapsed;
        elapsed.start();
        RunEventLoopFor(kMeasureMs);
        seconds = static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
        stepsPerSecond = static_cast<double>(form.MachineState().stepCount - before) / seconds;
    }
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    frames.times.Report(state, "frames", seconds);
    state.counters["steps_per_s"] = stepsPerSecond;
    state.counters["balls"] = registers * kBallsPerRegister;
    state.counters["longest_sync_ms"] = form.sceneView->TakeLongestSyncMs();
    state.counters["typical_frame_ms"] = form.sceneView->TypicalFrameMs();
}

// Thirteen registers of 200 balls (those with labels) and all 256.
BENCHMARK(ClockPasses)
    ->ArgsProduct({{13, 256}, {1, 0}})
    ->ArgNames({"registers", "drawn"})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(TopSpeedRunSteps)
    ->ArgsProduct({{13, 256}, {1, 0}})
    ->ArgNames({"registers", "render_thread"})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(MainWindowFrames)
    ->Arg(13)
    ->Arg(256)
    ->ArgName("registers")
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
