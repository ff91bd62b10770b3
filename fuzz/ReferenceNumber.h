#pragma once

// A second, plain reading of the machine's number syntax, written from the
// grammar and ranges alone, that the fuzzers hold the real parsers against.

#include <cstdint>
#include <optional>
#include <string_view>

namespace tessivar::fuzz {

// Leading blanks, an optional sign, then decimal digits or "$", "x", "X", "0x",
// "0X" and hexadecimal digits; nothing after. Decimal must lie in the signed
// range of `bits` bits; hexadecimal has at most bits/4 significant digits and
// is that many bits of two's complement. Returns the value sign-extended.
inline std::optional<std::int64_t> ReferenceNumber(std::string_view text, unsigned bits)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    bool hexadecimal = false;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        hexadecimal = true;
        text.remove_prefix(2);
    } else if (text.starts_with("$") || text.starts_with("x") || text.starts_with("X")) {
        hexadecimal = true;
        text.remove_prefix(1);
    }
    const std::string_view digitSet = hexadecimal ? "0123456789abcdefABCDEF" : "0123456789";
    if (text.empty() || text.find_first_not_of(digitSet) != std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t firstSignificant = text.find_first_not_of('0');
    const std::string_view significant
        = firstSignificant == std::string_view::npos ? std::string_view{} : text.substr(firstSignificant);
    if (significant.size() > (hexadecimal ? bits / 4 : 19)) {
        return std::nullopt;
    }
    std::uint64_t magnitude = 0;
    for (const char c : significant) {
        const unsigned digit = c <= '9' ? unsigned(c - '0') : unsigned((c | 0x20) - 'a' + 10);
        magnitude = magnitude * (hexadecimal ? 16 : 10) + digit;
    }

    const std::uint64_t signBit = std::uint64_t{1} << (bits - 1);
    if (!hexadecimal) {
        if (magnitude > (negative ? signBit : signBit - 1)) {
            return std::nullopt;
        }
        return negative ? -static_cast<std::int64_t>(magnitude - 1) - 1 : static_cast<std::int64_t>(magnitude);
    }
    const std::uint64_t mask = bits == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << bits) - 1;
    std::uint64_t pattern = (negative ? 0 - magnitude : magnitude) & mask;
    if (pattern & signBit) {
        pattern |= ~mask; // sign-extend to 64 bits
    }
    return static_cast<std::int64_t>(pattern);
}

} // namespace tessivar::fuzz
