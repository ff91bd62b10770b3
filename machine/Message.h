#pragma once

#include <string>
#include <string_view>
#include <vector>

// Marks a text for the translation tools, which find it in the sources; the
// window translates it when it shows it (context "tessivar").
#define TESSIVAR_MESSAGE(text) text

namespace tessivar {

// A text for the user in the program's own language, Japanese, kept apart from
// the values it names, so that the window can show it in the user's language.
// `text` holds %1, %2, ... where `args` go, and is a TESSIVAR_MESSAGE.
struct Message {
    const char* text = "";
    std::vector<std::string> args{};

    bool operator==(const Message&) const = default;
};

// `pattern` with %1 to %9 replaced by `args` in one pass, so that an argument
// that holds a % sign is never read as a place for another.
std::string Format(std::string_view pattern, const std::vector<std::string>& args);

// The message in Japanese.
std::string Text(const Message& message);

// Messages one to a line, in Japanese.
std::string Text(const std::vector<Message>& messages);

} // namespace tessivar
