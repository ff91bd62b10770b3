#pragma once

#include <string>
#include <string_view>

namespace tessivar {

// Windows Japanese code page 932 (Shift_JIS with Microsoft's extensions), through
// the C library's converter.

// Each byte that cannot be decoded becomes U+FFFD; decoding never fails.
std::string Cp932ToUtf8(std::string_view bytes);

// Each character that code page 932 cannot represent is written as "?", the code
// page's default character. Ill-formed UTF-8 bytes count as such characters.
std::string Utf8ToCp932(std::string_view text);

} // namespace tessivar
