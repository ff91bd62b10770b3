#include "RegisterText.h"

#include <charconv>
#include <limits>

namespace tessivar {

namespace {

// Digits are accumulated in unsigned 64-bit arithmetic, so that a value that
// runs past the signed range wraps around as a 64-bit register would.
constexpr std::uint64_t kLastSafeHex = (std::uint64_t{1} << 60) - 1;
constexpr std::uint64_t kLastSafeDecimal = std::numeric_limits<std::int64_t>::max() / 10;

bool IsNegative(std::uint64_t bits) { return static_cast<std::int64_t>(bits) < 0; }

std::optional<unsigned> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    if (c >= 'A' && c <= 'F') {
        return static_cast<unsigned>(c - 'A' + 10);
    }
    if (c >= 'a' && c <= 'f') {
        return static_cast<unsigned>(c - 'a' + 10);
    }
    return std::nullopt;
}

std::optional<unsigned> DecimalDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return static_cast<unsigned>(c - '0');
    }
    return std::nullopt;
}

// Reads digits from the front of `rest` until a non-digit or until the value
// so far has no room for another digit; consumes what it read.
struct DigitRun {
    std::uint64_t value = 0;
    bool anyDigit = false;
};

template <typename DigitValue>
DigitRun ReadDigits(std::string_view& rest, unsigned base, std::uint64_t lastSafe, DigitValue digitValue) {
    DigitRun run;
    while (!rest.empty()) {
        const std::optional<unsigned> digit = digitValue(rest.front());
        if (!digit || IsNegative(run.value) || run.value > lastSafe) {
            break;
        }
        run.value = run.value * base + *digit;
        run.anyDigit = true;
        rest.remove_prefix(1);
    }
    return run;
}

bool StartsHexadecimal(std::string_view rest) {
    if (rest.empty()) {
        return false;
    }
    const char c = rest.front();
    return c == '$' || c == 'x' || c == 'X' || (c == '0' && rest.size() > 1 && (rest[1] == 'x' || rest[1] == 'X'));
}

} // namespace

std::optional<std::int64_t> ParseRegisterLine(std::string_view line) {
    std::string_view rest = line;
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    bool negative = false;
    if (!rest.empty() && (rest.front() == '-' || rest.front() == '+')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }

    DigitRun run;
    const bool hexadecimal = StartsHexadecimal(rest);
    if (hexadecimal) {
        rest.remove_prefix(rest.front() == '0' ? 2 : 1);
        run = ReadDigits(rest, 16, kLastSafeHex, HexDigitValue);
    } else {
        run = ReadDigits(rest, 10, kLastSafeDecimal, DecimalDigitValue);
    }
    if (!run.anyDigit || !rest.empty()) {
        return std::nullopt;
    }

    const std::uint64_t bits = negative ? 0 - run.value : run.value;
    // A decimal value that wrapped past the 64-bit range shows up as a sign
    // that contradicts the one written; a hexadecimal pattern may set the top bit.
    if (!hexadecimal && bits != 0 && IsNegative(bits) != negative) {
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
