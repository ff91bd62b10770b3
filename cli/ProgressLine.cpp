#include "ProgressLine.h"

#include "Phrase.h"

#include <algorithm>
#include <string>

namespace tessivar {

namespace {

// The line's own words are ASCII or wide Japanese characters, two columns each.
std::size_t Columns(const std::string& text)
{
    std::size_t columns = 0;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        columns += code < 0x80 ? 1 : (code >= 0xC0 ? 2 : 0);
    }
    return columns;
}

} // namespace

ProgressLine::ProgressLine(std::ostream& terminal, Clock::time_point start, Language language)
    : terminal_(terminal), start_(start), nextDraw_(start + kQuietTime), language_(language)
{}

void ProgressLine::Update(StepCount step, Clock::time_point now)
{
    if (now < nextDraw_) {
        return;
    }
    nextDraw_ = now + kRedrawTime;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const auto perSecond = static_cast<StepCount>(static_cast<double>(step) / seconds);
    Draw(Say(language_, {"Step: %1  (%2 steps/s)", "Step: %1  (毎秒 %2 ステップ)"},
             {DecimalText(step), DecimalText(perSecond)}));
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
    const std::size_t width = Columns(text);
    terminal_ << '\r' << text;
    if (width < drawnWidth_) {
        terminal_ << std::string(drawnWidth_ - width, ' ');
    }
    terminal_ << std::flush;
    drawnWidth_ = std::max(drawnWidth_, width);
}

} // namespace tessivar
