// Does the window's 10 ms animation clock keep its rate while balls spin?
// Every ball spins with a running copy of the template's spin animation, so
// every clock pass changes the scene and asks the view for a frame. Each
// iteration runs the event loop for one second.
//   ClockPasses: the window's arrangement on its own - the Qt clock driver
//     ticking the scene's clock, the 736 x 602 view redrawn after each pass
//     that changed the scene - drawn, or not shown at all (the clock alone).
//   MainWindowFrames: the real main window with the explanation closed; the
//     frames its view paints (one per pass while everything spins).
#include "DesignScene.h"
#include "QtClockDriver.h"
#include "SceneView.h"
#include "Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace {

using namespace tessivar;

constexpr int kBallsPerRegister = 200;
constexpr int kMeasureMs = 1000;
constexpr double kLateGap = 0.015; // seconds: a tick half an interval late

// Every register of the first `registers` shows 200 balls, placed as Set
// places a value of 200, each spinning for ever.
void AddSpinningBalls(scene::DesignScene& design, int registers)
{
    constexpr int value = kBallsPerRegister;
    for (int i = 0; i < registers; ++i) {
        for (int m = 0; m < kBallsPerRegister; ++m) {
            auto* ball = design.Sphere1->CloneAs<scene::TSphere>(&design.Form);
            ball->SetParent(design.Viewport3D1);
            ball->Position.SetPoint({static_cast<float>(i), -(static_cast<float>(m % 10) + 0.5F) * 0.5F,
                                     static_cast<float>((value - 1) / 10 - m / 10)});
            ball->SetVisible(true);
            auto* spin = design.FloatAnimation1->CloneAs<scene::TFloatAnimation>(&design.Form);
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
        QTest::qWait(kMeasureMs);
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
    scene::DesignScene design{clock};
    render::SceneView view{design.Viewport3D1};
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
    ui::TForm1 form;
    form.show();
    (void)QTest::qWaitForWindowExposed(&form);
    QTest::mouseClick(form.Button6, Qt::LeftButton);
    AddSpinningBalls(form.Scene(), registers);
    PaintTimes frames;
    form.Viewport3D1->installEventFilter(&frames);
    QTest::qWait(300);
    MeasureOneSecondEach(state, frames.times, "frames");
    state.counters["balls"] = registers * kBallsPerRegister;
}

// Thirteen registers of 200 balls (those with labels) and all 256.
BENCHMARK(ClockPasses)
    ->ArgsProduct({{13, 256}, {1, 0}})
    ->ArgNames({"registers", "drawn"})
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

// The application must outlive every window and end before the process does.
int main(int argc, char** argv)
{
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::fprintf(stderr, "bench_ui_clock_rate needs a display (run under xvfb-run)\n");
        return 1;
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
