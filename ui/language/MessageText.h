#pragma once

#include "Message.h"

#include <QString>

#include <vector>

namespace tessivar::ui {

// A message of the machine or of program files in the user's language.
QString MessageText(const Message& message);

// Messages one to a line, in the user's language.
QString MessageText(const std::vector<Message>& messages);

} // namespace tessivar::ui
