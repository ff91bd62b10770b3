#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessivar {

// One register line: leading blanks, an optional sign, then decimal digits or a
// hexadecimal number ("$", "x", "X", "0x", "0X"); nothing may follow.
// Returns nothing for an invalid line.
std::optional<std::int64_t> ParseRegisterLine(std::string_view line);

// The value a register line loads: invalid lines count as 0.
std::int64_t RegisterLineValue(std::string_view line);

// Decimal, "-" before a negative value, no "+", no leading zeros.
std::string CanonicalRegisterText(std::int64_t value);

} // namespace tessivar
