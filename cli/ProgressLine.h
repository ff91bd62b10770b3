#pragma once

#include "CommandLineLanguage.h"
#include "StepCount.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>

namespace tessivar {

// The one-line progress a long run shows on a terminal: nothing for the first
// second, then the steps so far and the steps per second, redrawn in place a
// few times a second, and wiped when the run ends.
class ProgressLine {
public:
    using Clock = std::chrono::steady_clock;

    static constexpr Clock::duration kQuietTime = std::chrono::seconds(1);
    static constexpr Clock::duration kRedrawTime = std::chrono::milliseconds(250);

    ProgressLine(std::ostream& terminal, Clock::time_point start, Language language);

    // `step` steps have run by `now`.
    void Update(StepCount step, Clock::time_point now);

    // Wipes the line, if it was drawn, so that the cursor is where it started.
    void Clear();

private:
    void Draw(const std::string& text);

    std::ostream& terminal_;
    Clock::time_point start_;
    Clock::time_point nextDraw_;
    Language language_;
    std::size_t drawnWidth_ = 0; // in the terminal's columns
};

} // namespace tessivar
