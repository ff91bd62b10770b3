#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessivar {

// A count of executed lines or steps. Loop summaries take runs past 2^64
// lines within milliseconds, so 64 bits are not enough. Signed, so that it
// mixes with the 64-bit values and differences of the rest of the program
// without conversions; its largest value is out of reach, and summaries never
// leap past it.
__extension__ typedef __int128 StepCount;

inline constexpr StepCount kLargestStepCount = (StepCount{1} << 126) - 1 + (StepCount{1} << 126);

// The count in decimal, "-" before a negative one.
std::string DecimalText(StepCount count);

// Decimal digits only, at most kLargestStepCount; nothing for any other text.
std::optional<StepCount> ParseStepCount(std::string_view text);

} // namespace tessivar
