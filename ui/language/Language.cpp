#include "Language.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

#include <algorithm>
#include <array>

namespace tessivar::ui {

namespace {

const QString LanguageKey = QStringLiteral("language");

constexpr std::array kSpokenLanguages = {
    SpokenLanguage{Language::Japanese, "ja", "日本語"},
    SpokenLanguage{Language::English, "en", "English"},
};

struct Translators {
    QTranslator* program = nullptr;
    QTranslator* toolkit = nullptr;
    Language language = Language::Japanese;
};

Translators& Installed()
{
    static Translators translators;
    return translators;
}

void Remove(QTranslator*& translator)
{
    if (translator == nullptr)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
    translator = nullptr;
}

// A translator owned by the application, or none when `load` finds no file.
template <typename Load> QTranslator* Install(Load load)
{
    auto* translator = new QTranslator(qApp);
    if (!load(*translator)) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

std::span<const SpokenLanguage> SpokenLanguages()
{
    return kSpokenLanguages;
}

QString LanguageCode(Language language)
{
    return QString::fromLatin1(std::ranges::find(kSpokenLanguages, language, &SpokenLanguage::language)->code);
}

std::optional<Language> LanguageOfCode(const QString& code)
{
    for (const SpokenLanguage& spoken : kSpokenLanguages)
        if (code == QLatin1String(spoken.code))
            return spoken.language;
    return std::nullopt;
}

Language SavedLanguage()
{
    return LanguageOfCode(QSettings().value(LanguageKey).toString()).value_or(Language::Japanese);
}

void SaveLanguage(Language language)
{
    QSettings().setValue(LanguageKey, LanguageCode(language));
}

void UseLanguage(Language language)
{
    Translators& installed = Installed();
    Remove(installed.program);
    Remove(installed.toolkit);
    installed.language = language;
    // The toolkit speaks English of itself, the program Japanese.
    if (language == Language::Japanese)
        installed.toolkit = Install([](QTranslator& translator) {
            return translator.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        });
    else
        installed.program = Install([language](QTranslator& translator) {
            return translator.load(QStringLiteral(":/i18n/tessivar_%1.qm").arg(LanguageCode(language)));
        });
}

Language LanguageInUse()
{
    return Installed().language;
}

} // namespace tessivar::ui
