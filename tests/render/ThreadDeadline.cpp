#include "ThreadDeadline.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace tessivar::render::testing {

namespace {

std::string Seconds(std::chrono::milliseconds span)
{
    std::ostringstream text;
    text << static_cast<double>(span.count()) / 1000 << " s";
    return text.str();
}

} // namespace

::testing::AssertionResult FinishedInTime(bool finished, std::uint64_t revision, std::chrono::milliseconds within)
{
    if (finished)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "render thread did not finish the frame of scene revision " << revision
                                         << " within " << Seconds(within);
}

ThreadDeadline::ThreadDeadline(std::string what, std::chrono::milliseconds limit)
    : watch_([this, what = std::move(what), limit] {
          std::unique_lock lock(mutex_);
          if (met_.wait_for(lock, limit, [&] { return done_; }))
              return;
          std::fprintf(stderr, "%s within %s\n", what.c_str(), Seconds(limit).c_str());
          std::abort();
      })
{}

ThreadDeadline::~ThreadDeadline()
{
    {
        const std::lock_guard lock(mutex_);
        done_ = true;
    }
    met_.notify_all();
    watch_.join();
}

} // namespace tessivar::render::testing
