#include "UnicodeText.h"

namespace tessivar {

namespace {

constexpr char32_t HighSurrogateFirst = 0xD800;
constexpr char32_t LowSurrogateFirst = 0xDC00;
constexpr char32_t SurrogateEnd = 0xE000;
constexpr char32_t LastCodePoint = 0x10FFFF;

bool IsContinuationByte(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

bool IsHighSurrogate(char32_t unit)
{
    return unit >= HighSurrogateFirst && unit < LowSurrogateFirst;
}

bool IsLowSurrogate(char32_t unit)
{
    return unit >= LowSurrogateFirst && unit < SurrogateEnd;
}

// The length a lead byte announces and the payload bits it carries; 0 for a byte
// that cannot lead.
std::size_t SequenceLength(unsigned char lead, char32_t& bits)
{
    if (lead < 0x80) {
        bits = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        bits = lead & 0x1F;
        return 2;
    }
    if ((lead & 0xF0) == 0xE0) {
        bits = lead & 0x0F;
        return 3;
    }
    if ((lead & 0xF8) == 0xF0) {
        bits = lead & 0x07;
        return 4;
    }
    return 0;
}

char32_t SmallestForLength(std::size_t length)
{
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return smallest[length];
}

char32_t ReadUnit(std::string_view bytes, std::size_t at, ByteOrder order)
{
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return order == ByteOrder::LittleEndian ? char32_t(first | second << 8) : char32_t(first << 8 | second);
}

void AppendUnit(std::string& out, char32_t unit, ByteOrder order)
{
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    if (order == ByteOrder::LittleEndian) {
        out += low;
        out += high;
    } else {
        out += high;
        out += low;
    }
}

} // namespace

std::optional<Utf8Character> ReadUtf8Character(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    char32_t codePoint = 0;
    const std::size_t length = SequenceLength(static_cast<unsigned char>(text[0]), codePoint);
    if (length == 0 || text.size() < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!IsContinuationByte(byte))
            return std::nullopt;
        codePoint = codePoint << 6 | (byte & 0x3F);
    }
    const bool wellFormed = codePoint >= SmallestForLength(length) && codePoint <= LastCodePoint
        && !(codePoint >= HighSurrogateFirst && codePoint < SurrogateEnd);
    if (!wellFormed)
        return std::nullopt;
    return Utf8Character{codePoint, length};
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | codePoint >> 6);
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | codePoint >> 12);
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | codePoint >> 18);
        out += static_cast<char>(0x80 | (codePoint >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

bool IsValidUtf8(std::string_view text)
{
    while (!text.empty()) {
        const auto character = ReadUtf8Character(text);
        if (!character)
            return false;
        text.remove_prefix(character->length);
    }
    return true;
}

std::string MakeValidUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const auto character = ReadUtf8Character(text);
        const std::size_t length = character ? character->length : 1;
        if (character)
            out.append(text.substr(0, length));
        else
            AppendUtf8(out, ReplacementCharacter);
        text.remove_prefix(length);
    }
    return out;
}

std::string Utf16ToUtf8(std::string_view bytes, ByteOrder order)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    const std::size_t units = bytes.size() / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = ReadUnit(bytes, 2 * i, order);
        if (IsHighSurrogate(unit) && i + 1 < units) {
            const char32_t next = ReadUnit(bytes, 2 * (i + 1), order);
            if (IsLowSurrogate(next)) {
                AppendUtf8(out, 0x10000 + ((unit - HighSurrogateFirst) << 10) + (next - LowSurrogateFirst));
                ++i;
                continue;
            }
        }
        const bool lone = IsHighSurrogate(unit) || IsLowSurrogate(unit);
        AppendUtf8(out, lone ? ReplacementCharacter : unit);
    }
    return out;
}

std::string Utf8ToUtf16(std::string_view text, ByteOrder order)
{
    std::string out;
    out.reserve(text.size() * 2);
    while (!text.empty()) {
        const auto character = ReadUtf8Character(text);
        const char32_t codePoint = character ? character->codePoint : ReplacementCharacter;
        if (codePoint < 0x10000) {
            AppendUnit(out, codePoint, order);
        } else {
            const char32_t offset = codePoint - 0x10000;
            AppendUnit(out, HighSurrogateFirst + (offset >> 10), order);
            AppendUnit(out, LowSurrogateFirst + (offset & 0x3FF), order);
        }
        text.remove_prefix(character ? character->length : 1);
    }
    return out;
}

} // namespace tessivar
