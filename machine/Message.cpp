#include "Message.h"

#include <cstddef>

namespace tessivar {

std::string Format(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t index = 0; index < pattern.size(); ++index) {
        const bool place = pattern[index] == '%' && index + 1 < pattern.size() && pattern[index + 1] >= '1'
            && pattern[index + 1] <= '9';
        const std::size_t arg = place ? static_cast<std::size_t>(pattern[index + 1] - '1') : args.size();
        if (arg < args.size()) {
            text += args[arg];
            ++index;
        } else {
            text += pattern[index];
        }
    }
    return text;
}

std::string Text(const Message& message)
{
    return Format(message.text, message.args);
}

std::string Text(const std::vector<Message>& messages)
{
    std::string text;
    for (const Message& message : messages) {
        if (!text.empty()) {
            text += '\n';
        }
        text += Text(message);
    }
    return text;
}

} // namespace tessivar
