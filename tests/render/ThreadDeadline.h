#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace tessivar::render::testing {

// How long a test waits for the render thread: far beyond a frame under a
// sanitizer on a busy machine, far short of the test run's own timeout.
inline constexpr std::chrono::milliseconds kThreadDeadline{30000};

// Passes when the render thread finished the frame of scene revision
// `revision`, as told by a wait that gave up after `within`; else fails
// naming the thread.
::testing::AssertionResult FinishedInTime(bool finished, std::uint64_t revision, std::chrono::milliseconds within);

// For the waits that cannot give up by themselves (the join of the render
// thread as its view closes): ends the test program with `what` unless it
// is destroyed within `limit`.
class ThreadDeadline {
public:
    explicit ThreadDeadline(std::string what, std::chrono::milliseconds limit = kThreadDeadline);
    ~ThreadDeadline();
    ThreadDeadline(const ThreadDeadline&) = delete;
    ThreadDeadline& operator=(const ThreadDeadline&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable met_;
    bool done_ = false;
    std::thread watch_;
};

} // namespace tessivar::render::testing
