#include "ProgressLine.h"

#include <algorithm>
#include <string>

namespace tessivar {

ProgressLine::ProgressLine(std::ostream& terminal, Clock::time_point start)
    : terminal_(terminal), start_(start), nextDraw_(start + kQuietTime)
{}

void ProgressLine::Update(StepCount step, Clock::time_point now)
{
    if (now < nextDraw_) {
        return;
    }
    nextDraw_ = now + kRedrawTime;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const auto perSecond = static_cast<StepCount>(static_cast<double>(step) / seconds);
    Draw("Step: " + DecimalText(step) + "  (" + DecimalText(perSecond) + " steps/s)");
}

void ProgressLine::Clear()
{
    if (drawnWidth_ > 0) {
        terminal_ << '\r' << std::string(drawnWidth_, ' ') << '\r' << std::flush;
        drawnWidth_ = 0;
    }
}

// Blanks pad a shorter text over the end of the longer one drawn before.
void ProgressLine::Draw(const std::string& text)
{
    terminal_ << '\r' << text;
    if (text.size() < drawnWidth_) {
        terminal_ << std::string(drawnWidth_ - text.size(), ' ');
    }
    terminal_ << std::flush;
    drawnWidth_ = std::max(drawnWidth_, text.size());
}

} // namespace tessivar
