#include "RegisterText.h"

#include "NumberSyntax.h"

#include <charconv>
#include <limits>

namespace tessivar {

namespace {

// Digits are accumulated in unsigned 64-bit arithmetic, so that a value that
// runs past the signed range wraps around as a 64-bit register would.
constexpr std::uint64_t kLastSafeHex = (std::uint64_t{1} << 60) - 1;
constexpr std::uint64_t kLastSafeDecimal = std::numeric_limits<std::int64_t>::max() / 10;

bool IsNegative(std::uint64_t bits) { return static_cast<std::int64_t>(bits) < 0; }

// Reads digits until a non-digit, or until the value so far has no room for
// another digit; `digits` keeps what was not read.
std::uint64_t ReadDigits(std::string_view& digits, unsigned base, std::uint64_t lastSafe) {
    std::uint64_t value = 0;
    while (!digits.empty() && value <= lastSafe) {
        const std::optional<unsigned> digit = DigitValue(digits.front(), base);
        if (!digit) {
            break;
        }
        value = value * base + *digit;
        digits.remove_prefix(1);
    }
    return value;
}

} // namespace

std::optional<std::int64_t> ParseRegisterLine(std::string_view line) {
    NumberText number = SplitNumberText(line);
    const std::size_t digitCount = number.digits.size();
    const std::uint64_t magnitude = number.hexadecimal ? ReadDigits(number.digits, 16, kLastSafeHex)
                                                       : ReadDigits(number.digits, 10, kLastSafeDecimal);
    const bool anyDigit = number.digits.size() < digitCount;
    if (!anyDigit || !number.digits.empty()) {
        return std::nullopt;
    }

    const std::uint64_t bits = number.negative ? 0 - magnitude : magnitude;
    // A decimal value that wrapped past the 64-bit range shows up as a sign
    // that contradicts the one written; a hexadecimal pattern may set the top bit.
    if (!number.hexadecimal && bits != 0 && IsNegative(bits) != number.negative) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(bits);
}

std::int64_t RegisterLineValue(std::string_view line) { return ParseRegisterLine(line).value_or(0); }

std::string CanonicalRegisterText(std::int64_t value) {
    char buffer[24];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(static_cast<const char*>(buffer), end);
}

} // namespace tessivar
