#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessivar {

// The front of a number, shared by register lines and instruction fields:
// leading blanks, an optional sign, and the hexadecimal prefix if there is one.
struct NumberText {
    bool negative = false;
    bool hexadecimal = false;
    std::string_view digits; // everything after the prefix, still unchecked
};

// Blanks are U+0020 only; "$", "x", "X", "0x" and "0X" introduce hexadecimal.
NumberText SplitNumberText(std::string_view text);

// The magnitude of `digits` in `base` (10 or 16, either letter case), or nothing
// when they are empty, hold another character, or exceed `limit`.
std::optional<std::uint64_t> ReadMagnitude(std::string_view digits, unsigned base, std::uint64_t limit);

} // namespace tessivar
