#include "VisibleText.h"

#include "UnicodeText.h"

#include <optional>

namespace tessivar {

namespace {

char32_t Shown(char32_t c)
{
    if (c < 0x20 && c != U'\t') {
        return U'\u2400' + c;
    }
    if (c == 0x7F) {
        return U'\u2421';
    }
    // A terminal may read U+009B as the start of an escape sequence.
    if (c >= 0x80 && c < 0xA0) {
        return ReplacementCharacter;
    }
    return c;
}

} // namespace

std::string VisibleText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    while (!text.empty()) {
        const std::optional<Utf8Character> read = ReadUtf8Character(text);
        AppendUtf8(shown, read ? Shown(read->codePoint) : ReplacementCharacter);
        text.remove_prefix(read ? read->length : 1);
    }
    return shown;
}

} // namespace tessivar
