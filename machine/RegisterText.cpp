#include "RegisterText.h"

#include "NumberSyntax.h"

#include <charconv>
#include <limits>

namespace tessivar {

std::optional<std::int64_t> ParseRegisterLine(std::string_view line)
{
    const NumberText number = SplitNumberText(line);
    // Hexadecimal gives the 64 bits of the register; decimal must lie in the signed range.
    constexpr std::uint64_t signBit = std::uint64_t{1} << 63;
    const std::optional<std::uint64_t> magnitude = number.hexadecimal
        ? ReadMagnitude(number.digits, 16, std::numeric_limits<std::uint64_t>::max())
        : ReadMagnitude(number.digits, 10, number.negative ? signBit : signBit - 1);
    if (!magnitude) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(number.negative ? 0 - *magnitude : *magnitude);
}

std::int64_t RegisterLineValue(std::string_view line)
{
    return ParseRegisterLine(line).value_or(0);
}

std::string CanonicalRegisterText(std::int64_t value)
{
    char buffer[24];
    const char* end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(static_cast<const char*>(buffer), end);
}

} // namespace tessivar
