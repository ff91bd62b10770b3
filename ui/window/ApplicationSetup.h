#pragma once

#include "Language.h"

#include <optional>

namespace tessivar::ui {

// What the application needs, once it exists, before its first window: its name (and with it
// where its settings live), its texts in `language` or else in the language
// chosen last (the toolkit's own too: file dialogs, standard buttons, editor
// menus), and message boxes whose buttons carry no icons.
void SetUpApplication(std::optional<Language> language = std::nullopt);

} // namespace tessivar::ui
