#pragma once

#include "CompiledProgram.h"
#include "Machine.h"
#include "StepHistory.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tessivar::ui {

// What a run at full speed left behind.
struct FastRunResult {
    Machine machine;
    RunOutcome outcome;
};

// Runs the machine at full speed on a thread of its own, so that the window
// goes on answering while it runs. The run works on a copy of the machine;
// the window takes the result when the run is over.
class FastRun {
public:
    // `progress` is told the step count a few times a second while a run
    // goes on, `finished` the result of a run that ended by itself; both on
    // the window's thread.
    FastRun(std::function<void(StepCount step)> progress, std::function<void(FastRunResult)> finished);
    ~FastRun();
    FastRun(const FastRun&) = delete;
    FastRun& operator=(const FastRun&) = delete;

    // Runs a copy of `machine` until its program ends, a line fails, or it
    // comes to a line of `stopLines` other than the one it starts on. Every
    // line and summarised loop goes into `history`, which nothing else may
    // touch until the run is over.
    void Start(const Machine& machine, std::vector<std::int64_t> stopLines, StepHistory& history);

    bool Active() const { return worker_.joinable(); }

    // Ends the run within a few milliseconds and returns what it left;
    // `finished` is not told of it. Nothing when no run goes on.
    std::optional<FastRunResult> Stop();

private:
    void Run(Machine machine, std::vector<std::int64_t> stopLines, StepHistory& history, std::uint64_t generation);
    void Finish(std::uint64_t generation);
    std::optional<FastRunResult> Join();

    std::function<void(StepCount)> progress_;
    std::function<void(FastRunResult)> finished_;
    // Owns what the worker posts to the window's thread: gone with it.
    QObject mailbox_;
    QTimer progressTimer_;
    std::thread worker_;
    // Tells a finished run's message from the run that goes on now.
    std::uint64_t generation_ = 0;
    std::atomic<bool> cancel_{false};
    mutable std::mutex mutex_;
    StepCount stepSoFar_ = 0; // under mutex_
    std::optional<FastRunResult> result_; // under mutex_
};

} // namespace tessivar::ui
