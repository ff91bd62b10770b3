#include "ProgramListing.h"

#include "AnimationCopies.h"

#include "StepCounterText.h"

namespace tessivar::scene {

namespace {

// A program longer than this grows its box downwards.
constexpr std::size_t LinesInDesignBox = 20;
constexpr float BoxGrowthPerLine = 5;
constexpr float DesignHeight = 100;
constexpr float DesignWidth = 20;
// Narrower programs keep the design width.
constexpr std::size_t BytesInDesignWidth = 8;
constexpr float WidthPerByte = 2.5f;
constexpr float LineSpacing = 5.35f;
constexpr float PanStop = 7;
// The counter's box, centred where the design puts it, reaches from the right
// edge of a design-width listing towards the right edge of the view, so that
// a long count is squeezed into one line no further than it must be.
constexpr float CounterWidth = 34;

float ExtraLines(std::size_t editorLines)
{
    return static_cast<float>(editorLines - LinesInDesignBox);
}

// The listing's Y that puts line PC + 1 at the bar.
float ListingYAt(std::int64_t pc, std::size_t editorLines)
{
    float y = -LineSpacing * static_cast<float>(pc);
    if (editorLines > LinesInDesignBox)
        y += BoxGrowthPerLine / 2 * ExtraLines(editorLines);
    return y;
}

// The listing scrolls in a tenth of the step duration D.
float ScrollDuration(float duration)
{
    return duration / 10;
}

} // namespace

void StartSetPan(Stage& scene, float duration)
{
    scene.CameraPan->SetDuration(duration);
    scene.CameraPan->SetStopValue(PanStop);
    scene.CameraPan->Start();
}

void ShowListing(Stage& scene, const ListingContent& listing)
{
    Text3D& text = *scene.ListingText;
    text.SetHeight(DesignHeight);
    text.Position.SetY(0);
    text.SetWidth(DesignWidth);
    // The box keeps its top edge where the bar is.
    if (listing.editorLines > LinesInDesignBox) {
        text.SetHeight(BoxGrowthPerLine * static_cast<float>(listing.editorLines));
        text.Position.SetY(BoxGrowthPerLine / 2 * ExtraLines(listing.editorLines));
    }
    if (listing.width > BytesInDesignWidth)
        text.SetWidth(WidthPerByte * static_cast<float>(listing.width));
    scene.HighlightBar->SetWidth(text.Width());
    scene.InstructionText->SetText("");
    text.SetText(listing.text);
}

void ScrollListing(Stage& scene, std::int64_t pc, std::size_t editorLines)
{
    FloatAnimation& scroll = *scene.ListingScroll;
    scroll.SetStartValue(scene.ListingText->Position.Y());
    scroll.SetStopValue(ListingYAt(pc, editorLines));
    scroll.SetDelay(2 * scene.CameraPan->Duration());
    scroll.SetDuration(ScrollDuration(scene.ComparisonRise->Duration()));
    scroll.Start();
}

FloatAnimation* ListingScrollBack(Stage& scene, std::int64_t pc, std::size_t editorLines, float duration)
{
    FloatAnimation* scroll = CopyAnimation(*scene.ListingScroll, scene.Owner, *scene.ListingText);
    scroll->SetStartValue(scene.ListingText->Position.Y());
    scroll->SetStopValue(ListingYAt(pc, editorLines));
    scroll->SetDelay(0);
    scroll->SetDuration(ScrollDuration(duration));
    return scroll;
}

void ShowStepCounter(Stage& scene, StepCount step)
{
    scene.CounterText->SetWidth(CounterWidth);
    scene.CounterText->SetText(StepCounterText(step));
}

} // namespace tessivar::scene
