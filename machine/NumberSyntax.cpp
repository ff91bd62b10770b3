#include "NumberSyntax.h"

#include <algorithm>

namespace tessivar {

namespace {

bool IsHexMark(char c)
{
    return c == 'x' || c == 'X';
}

std::size_t HexPrefixLength(std::string_view text)
{
    if (text.starts_with('$') || (!text.empty() && IsHexMark(text.front()))) {
        return 1;
    }
    if (text.size() > 1 && text.front() == '0' && IsHexMark(text[1])) {
        return 2;
    }
    return 0;
}

// The value of digit `c` in `base`, if it is one.
std::optional<unsigned> DigitValue(char c, unsigned base)
{
    unsigned digit = base;
    if (c >= '0' && c <= '9') {
        digit = static_cast<unsigned>(c - '0');
    } else if (c >= 'A' && c <= 'F') {
        digit = static_cast<unsigned>(c - 'A' + 10);
    } else if (c >= 'a' && c <= 'f') {
        digit = static_cast<unsigned>(c - 'a' + 10);
    }
    if (digit >= base) {
        return std::nullopt;
    }
    return digit;
}

} // namespace

NumberText SplitNumberText(std::string_view text)
{
    NumberText number;
    text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
    if (text.starts_with('-') || text.starts_with('+')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t prefix = HexPrefixLength(text);
    number.hexadecimal = prefix > 0;
    number.digits = text.substr(prefix);
    return number;
}

std::optional<std::uint64_t> ReadMagnitude(std::string_view digits, unsigned base, std::uint64_t limit)
{
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const std::optional<unsigned> digit = DigitValue(c, base);
        // Tested before the step, which could otherwise run past 64 bits.
        if (!digit || *digit > limit || value > (limit - *digit) / base) {
            return std::nullopt;
        }
        value = value * base + *digit;
    }
    return value;
}

} // namespace tessivar
