#pragma once

#include "CommandLineLanguage.h"
#include "Message.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessivar {

// A text of the command line in each of its languages; %1, %2 ... stand for
// the values it names, in the same order in both.
struct Phrase {
    std::string_view english;
    std::string_view japanese;
};

std::string Say(Language language, const Phrase& phrase, const std::vector<std::string>& args = {});

// A message of the machine or of program files, whose own text is Japanese,
// in `language`: English as the window's translation gives it.
std::string Say(Language language, const Message& message);

} // namespace tessivar
