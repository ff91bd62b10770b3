#pragma once

#include <string>
#include <string_view>

namespace tessivar {

// `text` with nothing left that a terminal or an XML reader would act on
// rather than show: a control character (but tab) becomes its Unicode control
// picture (U+2400 onwards, U+2421 for delete), and a C1 control character or
// a byte that starts no well-formed UTF-8 character becomes U+FFFD.
std::string VisibleText(std::string_view text);

} // namespace tessivar
