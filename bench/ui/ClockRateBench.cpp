// Does the window's 10 ms animation clock keep its rate while balls spin?
// The window's arrangement: the Qt clock driver ticks the scene's clock and,
// after each pass, asks the 736 x 602 view to redraw if the scene changed.
// Every ball spins with a running copy of the template's spin animation, so
// every pass changes the scene. Each iteration runs the event loop for one
// second and reports the passes and frames it saw. Without the view the
// figures are those of the clock alone.
#include "DesignScene.h"
#include "QtClockDriver.h"
#include "SceneView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <cstdlib>
#include <vector>

namespace {

using namespace tessivar;

constexpr int kBallsPerRegister = 200;
constexpr int kMeasureMs = 1000;

bool EnsureApplication()
{
    if (QApplication::instance() != nullptr)
        return true;
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        return false;
    static int argc = 1;
    static char name[] = "bench_ui_clock_rate";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return true;
}

// Counts the frames the view paints.
class FrameCounter : public QObject {
public:
    int frames = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++frames;
        return QObject::eventFilter(watched, event);
    }
};

class SpinningBalls {
public:
    SpinningBalls(int registers, bool drawn)
    {
        driver_.Attach(clock_, [this] { OnPass(); });
        design_.BuildRegisterLabels();
        for (int i = 0; i < registers; ++i)
            for (int m = 0; m < kBallsPerRegister; ++m)
                AddSpinningBall(i, m);
        view_.resize(736, 602);
        view_.installEventFilter(&frames_);
        if (drawn) {
            view_.show();
            (void)QTest::qWaitForWindowExposed(&view_);
        }
        QTest::qWait(300);   // shaders, pictures and text meshes made
    }

    struct Figures {
        double passesPerSecond, framesPerSecond, meanGapMs, maxGapMs, lateShare;
    };

    Figures Measure()
    {
        passTimes_.clear();
        frames_.frames = 0;
        QElapsedTimer elapsed;
        elapsed.start();
        QTest::qWait(kMeasureMs);
        const double seconds = static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
        std::vector<double> gaps;
        for (std::size_t i = 1; i < passTimes_.size(); ++i)
            gaps.push_back(passTimes_[i] - passTimes_[i - 1]);
        const double sum = std::accumulate(gaps.begin(), gaps.end(), 0.0);
        const auto late = std::count_if(gaps.begin(), gaps.end(), [](double gap) { return gap > 0.015; });
        return {static_cast<double>(passTimes_.size()) / seconds, frames_.frames / seconds,
                gaps.empty() ? 0 : 1000 * sum / static_cast<double>(gaps.size()),
                gaps.empty() ? 0 : 1000 * *std::max_element(gaps.begin(), gaps.end()),
                gaps.empty() ? 0 : static_cast<double>(late) / static_cast<double>(gaps.size())};
    }

private:
    void AddSpinningBall(int registerIndex, int position)
    {
        auto* ball = design_.Sphere1->CloneAs<scene::TSphere>(&design_.Form);
        ball->SetParent(design_.Viewport3D1);
        const int value = kBallsPerRegister;
        ball->Position.SetPoint({static_cast<float>(registerIndex), -(static_cast<float>(position % 10) + 0.5F) * 0.5F,
                                 static_cast<float>((value - 1) / 10 - position / 10)});
        ball->SetVisible(true);
        auto* spin = design_.FloatAnimation1->CloneAs<scene::TFloatAnimation>(&design_.Form);
        spin->SetParent(ball);
        spin->SetLoop(true);
        spin->SetDelay(static_cast<float>(position % 7) / 7);
        spin->Start();
    }

    void OnPass()
    {
        passTimes_.push_back(driver_.Now());
        view_.UpdateIfChanged();
    }

    ui::QtClockDriver driver_;
    scene::AnimationClock clock_{driver_};
    scene::DesignScene design_{clock_};
    render::SceneView view_{design_.Viewport3D1};
    FrameCounter frames_;
    std::vector<double> passTimes_;
};

void ClockRate(benchmark::State& state)
{
    if (!EnsureApplication()) {
        state.SkipWithError("needs a display (run under xvfb-run)");
        return;
    }
    SpinningBalls balls(static_cast<int>(state.range(0)), state.range(1) != 0);
    SpinningBalls::Figures total{};
    for (auto _ : state) {
        const SpinningBalls::Figures figures = balls.Measure();
        total.passesPerSecond += figures.passesPerSecond;
        total.framesPerSecond += figures.framesPerSecond;
        total.meanGapMs += figures.meanGapMs;
        total.maxGapMs = std::max(total.maxGapMs, figures.maxGapMs);
        total.lateShare += figures.lateShare;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["balls"] = static_cast<double>(state.range(0) * kBallsPerRegister);
    state.counters["passes_per_s"] = total.passesPerSecond / n;
    state.counters["frames_per_s"] = total.framesPerSecond / n;
    state.counters["mean_gap_ms"] = total.meanGapMs / n;
    state.counters["max_gap_ms"] = total.maxGapMs;
    state.counters["late_share"] = total.lateShare / n;
}

// No balls, thirteen registers of 200 balls (the registers with labels) and
// all 256; with the view drawn (second argument 1) and without it (0).
BENCHMARK(ClockRate)
    ->ArgsProduct({{0, 13, 256}, {1, 0}})
    ->ArgNames({"registers", "drawn"})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
