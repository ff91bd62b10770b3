#pragma once

#include <optional>
#include <string_view>

namespace tessivar {

// The English translation of a message's Japanese text, as the window's
// translations (translations/tessivar_en.ts, context "tessivar") give it; the
// build makes the table from that file. None where it has no finished one.
std::optional<std::string_view> EnglishMessage(std::string_view japanese);

} // namespace tessivar
