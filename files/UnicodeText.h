#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessivar {

// Stands in for anything that cannot be read as a character.
inline constexpr char32_t ReplacementCharacter = U'\uFFFD';

struct Utf8Character {
    char32_t codePoint;
    std::size_t length; // bytes taken
};

// The well-formed UTF-8 character at the start of `text`, if there is one
// (no overlong forms, no surrogates, nothing above U+10FFFF).
std::optional<Utf8Character> ReadUtf8Character(std::string_view text);

void AppendUtf8(std::string& out, char32_t codePoint);

bool IsValidUtf8(std::string_view text);

// Each byte that does not start a well-formed character becomes U+FFFD.
std::string MakeValidUtf8(std::string_view text);

enum class ByteOrder { LittleEndian, BigEndian };

// UTF-16 bytes to UTF-8. An odd last byte is dropped; a surrogate without its
// partner becomes U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, ByteOrder order);

// UTF-8 to UTF-16 bytes; ill-formed input bytes become U+FFFD.
std::string Utf8ToUtf16(std::string_view text, ByteOrder order);

} // namespace tessivar
