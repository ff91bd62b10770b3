#pragma once

#include "FrameDrawer.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>

namespace tessivar::render::testing {

// Holds each frame at the start of Draw until the test lets it on: the order
// of frames against the test's thread is the test's to choose.
class HeldFrameDrawer final : public FrameDrawer {
public:
    // Whether the frame of scene revision `revision` is held, within `within`.
    bool WaitUntilHeld(std::uint64_t revision, std::chrono::milliseconds within);
    // Lets the frame held, or the next one, on.
    void LetOneOn();
    // Holds no frame from now on.
    void LetAllOn();

    QImage Draw(FrameSnapshot& frame) override;

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::uint64_t> held_;
    int passes_ = 0;
    bool open_ = false;
};

} // namespace tessivar::render::testing
