#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessivar {

// A jump whose target lies below the 32-bit range is decoded to this value,
// which lies below -1 and so is never taken, like any target before line 1.
inline constexpr std::int32_t kJumpNeverTaken = std::numeric_limits<std::int32_t>::min();

// One whose target lies past that range ends the program, like any target
// past the last line: this value is past the last line of every program.
inline constexpr std::int32_t kJumpPastTheEnd = std::numeric_limits<std::int32_t>::max();

struct DecodedInstruction {
    std::string Mnemonic; // first field, ASCII letters lower-cased; empty when the line has no field
    std::int32_t FirstArg = 0;
    std::int32_t SecondArg = 0;
    std::int32_t JumpPC = 0; // PC value after a taken jump, before the step's advance by one
    bool IsComment = false;
};

// Blanks, control characters and commas separate fields; double quotes enclose one.
std::vector<std::string> SplitFields(std::string_view line);

// Decimal in the signed 32-bit range, or hexadecimal of at most eight significant digits.
std::optional<std::int32_t> ParseInstructionNumber(std::string_view text);

// Pure: decodes the prepared line at index `pc` of a program of `lineCount` lines.
DecodedInstruction DecodeInstruction(std::string_view line, std::int64_t pc, std::int32_t lineCount);

} // namespace tessivar
