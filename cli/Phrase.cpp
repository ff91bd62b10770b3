#include "Phrase.h"

#include "EnglishMessages.h"

namespace tessivar {

std::string Say(Language language, const Phrase& phrase, const std::vector<std::string>& args)
{
    return Format(language == Language::Japanese ? phrase.japanese : phrase.english, args);
}

std::string Say(Language language, const Message& message)
{
    if (language == Language::Japanese) {
        return Text(message);
    }
    // A text the translation has yet to reach is shown as written rather than lost.
    return Format(EnglishMessage(message.text).value_or(message.text), message.args);
}

} // namespace tessivar
