#include "TextEncoding.h"

#include "Cp932Text.h"
#include "UnicodeText.h"

#include <array>

namespace tessivar {

namespace {

// Marks in the order they are tested.
constexpr std::array MarkedEncodings = {TextEncoding::Utf8, TextEncoding::Utf16LE, TextEncoding::Utf16BE};

} // namespace

std::string_view ByteOrderMark(TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return "\xEF\xBB\xBF";
    case TextEncoding::Utf16LE:
        return "\xFF\xFE";
    case TextEncoding::Utf16BE:
        return "\xFE\xFF";
    case TextEncoding::Ansi:
    case TextEncoding::Utf8Unmarked:
        break;
    }
    return {};
}

TextEncoding DetectEncoding(std::string_view bytes)
{
    for (const TextEncoding encoding : MarkedEncodings) {
        if (bytes.starts_with(ByteOrderMark(encoding)))
            return encoding;
    }
    return IsValidUtf8(bytes) ? TextEncoding::Utf8Unmarked : TextEncoding::Ansi;
}

std::optional<std::string> DecodeText(std::string_view body, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Unmarked:
        if (!IsValidUtf8(body))
            return std::nullopt;
        return std::string(body);
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        // A bare mark is what an empty program is saved as; a lone byte is no character.
        if (body.size() == 1)
            return std::nullopt;
        return Utf16ToUtf8(body, encoding == TextEncoding::Utf16LE ? ByteOrder::LittleEndian : ByteOrder::BigEndian);
    case TextEncoding::Ansi:
        break;
    }
    return Cp932ToUtf8(body);
}

std::string EncodeText(std::string_view text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
    case TextEncoding::Utf8Unmarked:
        return MakeValidUtf8(text);
    case TextEncoding::Utf16LE:
        return Utf8ToUtf16(text, ByteOrder::LittleEndian);
    case TextEncoding::Utf16BE:
        return Utf8ToUtf16(text, ByteOrder::BigEndian);
    case TextEncoding::Ansi:
        break;
    }
    return Utf8ToCp932(text);
}

} // namespace tessivar
