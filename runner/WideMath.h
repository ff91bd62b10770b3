#pragma once

#include "StepCount.h"

#include <cstdint>
#include <optional>

namespace tessivar {

// 128-bit integers for the arithmetic of summaries, which must never wrap:
// every operation that could is checked, and a summary that would need a
// larger number is not made.
using Wide = StepCount;

inline constexpr Wide kLargestValue = INT64_MAX;

inline std::optional<Wide> Sum(Wide a, Wide b)
{
    Wide sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        return std::nullopt;
    }
    return sum;
}

inline std::optional<Wide> Product(Wide a, Wide b)
{
    Wide product = 0;
    if (__builtin_mul_overflow(a, b, &product)) {
        return std::nullopt;
    }
    return product;
}

// Rounded towards minus infinity; `divisor` is not 0.
inline Wide FloorDivide(Wide dividend, Wide divisor)
{
    const Wide quotient = dividend / divisor;
    return (dividend % divisor != 0 && (dividend < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

inline bool FitsInt64(Wide value)
{
    return value >= INT64_MIN && value <= INT64_MAX;
}

} // namespace tessivar
