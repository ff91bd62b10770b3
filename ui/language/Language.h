#pragma once

#include <QString>

#include <optional>
#include <span>

namespace tessivar::ui {

// The languages the window speaks. Japanese is its own; English comes from
// a translation, as further languages would.
enum class Language { Japanese, English };

// A language with its code ("ja", "en": as --lang takes them and the
// settings keep them) and its name in itself, which reads the same in every
// language.
struct SpokenLanguage {
    Language language;
    const char* code;
    const char* ownName;
};

// Every language the window speaks, its own first.
std::span<const SpokenLanguage> SpokenLanguages();

QString LanguageCode(Language language);
std::optional<Language> LanguageOfCode(const QString& code);

// The language chosen last in the window, remembered across starts;
// Japanese until one is chosen.
Language SavedLanguage();
void SaveLanguage(Language language);

// Puts the texts of the program and of the toolkit (dialogs, standard
// buttons, editor menus) in `language`. Every widget is then told of the
// change and shows its texts anew.
void UseLanguage(Language language);
Language LanguageInUse();

} // namespace tessivar::ui
