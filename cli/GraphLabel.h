#pragma once

#include "CommandLineLanguage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tessivar {

// Graphviz reads no quoted string of more than about 16,384 bytes; this leaves
// room to spare.
inline constexpr std::size_t kLongestGraphLabel = 16'000;

// `text`, and `note` on a line of its own below it when there is one, as a
// quoted DOT string that Graphviz draws as written: each character as
// VisibleText shows it, quotes and backslashes escaped. When that would be
// longer than kLongestGraphLabel bytes between its quotes, `text` is cut after
// a whole character and "… (N more characters)" says how much is left out.
std::string GraphLabel(std::string_view text, std::string_view note, Language language);

} // namespace tessivar
