#include "FastRun.h"

#include <utility>

namespace tessivar::ui {

namespace {

// How often the counter follows a run: a few times a second.
constexpr int kProgressInterval = 200; // ms
// How often the run tells its step count: far more often than that.
constexpr std::uint64_t kProgressLines = std::uint64_t{1} << 20;

} // namespace

FastRun::FastRun(std::function<void(StepCount step)> progress, std::function<void(FastRunResult)> finished)
    : progress_(std::move(progress)), finished_(std::move(finished))
{
    progressTimer_.setInterval(kProgressInterval);
    QObject::connect(&progressTimer_, &QTimer::timeout, &mailbox_, [this] {
        const std::lock_guard lock(mutex_);
        progress_(stepSoFar_);
    });
}

FastRun::~FastRun()
{
    Stop();
}

void FastRun::Start(const Machine& machine, std::vector<std::int64_t> stopLines, StepHistory& history)
{
    Stop();
    cancel_ = false;
    stepSoFar_ = machine.stepCount;
    ++generation_;
    worker_ = std::thread(&FastRun::Run, this, machine, std::move(stopLines), std::ref(history), generation_);
    progressTimer_.start();
}

std::optional<FastRunResult> FastRun::Stop()
{
    if (!Active())
        return std::nullopt;
    cancel_ = true;
    return Join();
}

// The worker: compiles the program too, so that a long one costs the window
// nothing.
void FastRun::Run(Machine machine, std::vector<std::int64_t> stopLines, StepHistory& history, std::uint64_t generation)
{
    const CompiledProgram program(machine.program);
    const RunProgress progress{.everyLines = kProgressLines, .report = [this](StepCount step) {
                                   const std::lock_guard lock(mutex_);
                                   stepSoFar_ = step;
                               }};
    RunOutcome outcome = program.Run(machine,
                                     RunLimits{.maxLines = std::nullopt,
                                               .stopLines = std::move(stopLines),
                                               .cancel = &cancel_,
                                               .progress = &progress,
                                               .history = &history});
    {
        const std::lock_guard lock(mutex_);
        result_ = FastRunResult{std::move(machine), std::move(outcome)};
    }
    QMetaObject::invokeMethod(
        &mailbox_, [this, generation] { Finish(generation); }, Qt::QueuedConnection);
}

// A message from a run already stopped, or from an earlier one, is old news.
void FastRun::Finish(std::uint64_t generation)
{
    if (generation != generation_ || !Active())
        return;
    if (std::optional<FastRunResult> result = Join())
        finished_(std::move(*result));
}

std::optional<FastRunResult> FastRun::Join()
{
    worker_.join();
    progressTimer_.stop();
    const std::lock_guard lock(mutex_);
    return std::exchange(result_, std::nullopt);
}

} // namespace tessivar::ui
