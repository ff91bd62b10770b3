#include "GraphLabel.h"

#include "Phrase.h"
#include "VisibleText.h"

#include <algorithm>

namespace tessivar {

namespace {

// Room for the cut mark, whatever the count in it.
constexpr std::size_t kMarkRoom = 64;

bool StartsCharacter(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

std::string Escaped(std::string_view text)
{
    std::string escaped;
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// The escaped `text` cut at the last whole character that leaves it at most
// `budget` bytes long, with the mark after it.
std::string Shortened(std::string_view text, std::size_t budget, Language language)
{
    std::string kept;
    std::size_t next = 0;
    while (next < text.size()) {
        const std::size_t end
            = std::find_if(text.begin() + static_cast<std::ptrdiff_t>(next) + 1, text.end(), StartsCharacter)
            - text.begin();
        const std::string piece = Escaped(text.substr(next, end - next));
        if (kept.size() + piece.size() > budget) {
            break;
        }
        kept += piece;
        next = end;
    }
    const std::string_view cut = text.substr(next);
    const auto cutCharacters = std::ranges::count_if(cut, StartsCharacter);
    return kept
        + Escaped(Say(language, {"… (%1 more characters)", "…(残り %1 文字)"}, {std::to_string(cutCharacters)}));
}

} // namespace

std::string GraphLabel(std::string_view text, std::string_view note, Language language)
{
    const std::string visible = VisibleText(text);
    const std::string noteLine = note.empty() ? std::string() : "\\n" + Escaped(VisibleText(note));
    std::string label = Escaped(visible);
    if (label.size() + noteLine.size() > kLongestGraphLabel) {
        label = Shortened(visible, kLongestGraphLabel - noteLine.size() - kMarkRoom, language);
    }
    return '"' + label + noteLine + '"';
}

} // namespace tessivar
