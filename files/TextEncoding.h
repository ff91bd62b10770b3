#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessivar {

// The encodings of program files. Ansi is the Windows Japanese code page 932;
// Utf8Unmarked is UTF-8 without a byte-order mark, as plain text is on Linux.
enum class TextEncoding { Ansi, Utf8, Utf16LE, Utf16BE, Utf8Unmarked };

// The mark that starts a file in `encoding`; empty for Ansi and Utf8Unmarked.
std::string_view ByteOrderMark(TextEncoding encoding);

// The encoding named by the mark at the start of `bytes`, tested in the order
// UTF-8, UTF-16 little-endian, UTF-16 big-endian. Without a mark: UTF-8 when
// the bytes are well-formed UTF-8 (code page 932 text with kana or kanji
// practically never is), else code page 932.
TextEncoding DetectEncoding(std::string_view bytes);

// The UTF-8 text of `body` (the bytes after the mark). Nothing when the body
// cannot be mapped to characters: ill-formed UTF-8, or UTF-16 whose only content
// is a single byte (a bare mark is an empty text). Code page 932 never fails: bytes it cannot decode become U+FFFD.
std::optional<std::string> DecodeText(std::string_view body, TextEncoding encoding);

// The bytes of UTF-8 `text` in `encoding`, without the mark.
std::string EncodeText(std::string_view text, TextEncoding encoding);

} // namespace tessivar
