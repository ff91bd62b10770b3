#include "ListingWidth.h"

#include "Cp932Text.h"

#include <algorithm>
#include <system_error>

namespace tessivar::ui {

namespace {

std::size_t LongestLine(std::string_view text)
{
    std::size_t longest = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    return longest;
}

} // namespace

std::size_t ListingWidth(const TextLines& program)
{
    if (program.empty())
        return 0;
    std::string joined;
    for (const std::string& line : program)
        (joined += line) += '\n';
    joined.pop_back();
    // One conversion for the whole program; a line feed is never part of a
    // two-byte character in code page 932.
    try {
        return LongestLine(Utf8ToCp932(joined));
    } catch (const std::system_error&) {
        // Without the converter, the UTF-8 bytes give a width of the same order.
        return LongestLine(joined);
    }
}

} // namespace tessivar::ui
