#pragma once

#include "Stage.h"
#include "StepCount.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessivar::scene {

// What Set shows of the program: the listing text and its size.
struct ListingContent {
    std::size_t editorLines = 0; // lines of the program editor, an empty last one included
    std::size_t width = 0; // the widest program line in code page 932 bytes
    std::string text; // the editor's lines joined with CR LF
};

// The camera pans from its design start to column 7 and back in `duration` each way.
void StartSetPan(Stage& scene, float duration);

// Sizes and fills the listing so that its first line stands at the highlight
// bar, sizes the bar to it and clears the executed-instruction text.
void ShowListing(Stage& scene, const ListingContent& listing);

// Scrolls the listing so that line `PC` + 1 comes to the bar (on long
// programs it drifts, as the lines stand farther apart than the box grows).
void ScrollListing(Stage& scene, std::int64_t pc, std::size_t editorLines);

// A step undone at step duration D: a copy of the listing scroll, not yet
// started, that brings line `PC` + 1 back to the bar as fast as a step's
// scroll. The caller gives it an end handler that frees it.
FloatAnimation* ListingScrollBack(Stage& scene, std::int64_t pc, std::size_t editorLines, float duration);

// The counter text for `step` in a box wide enough for a long count to stay
// legible on one line.
void ShowStepCounter(Stage& scene, StepCount step);

} // namespace tessivar::scene
