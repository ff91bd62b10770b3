#include "StepCount.h"

#include <algorithm>

namespace tessivar {

std::string DecimalText(StepCount count)
{
    std::string text;
    // Digits from the lowest, taken from the negative side, which holds every value.
    StepCount rest = count < 0 ? count : -count;
    do {
        text += static_cast<char>('0' - static_cast<int>(rest % 10));
        rest /= 10;
    } while (rest != 0);
    if (count < 0) {
        text += '-';
    }
    std::reverse(text.begin(), text.end());
    return text;
}

std::optional<StepCount> ParseStepCount(std::string_view text)
{
    if (text.empty()) {
        return std::nullopt;
    }
    StepCount count = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const int digit = c - '0';
        if (count > (kLargestStepCount - digit) / 10) {
            return std::nullopt;
        }
        count = count * 10 + digit;
    }
    return count;
}

} // namespace tessivar
