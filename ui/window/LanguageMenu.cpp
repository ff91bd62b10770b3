// "言語 / Language" at the end of the File menu: the window's language, at
// once and from then on. Its own texts name each language in itself, so that
// they read the same in every language.
#include "MainWindow.h"

#include "Language.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <algorithm>

namespace tessivar::ui {

namespace {

void ChooseLanguage(Language language)
{
    SaveLanguage(language);
    UseLanguage(language);
}

} // namespace

void MainWindow::CreateLanguageMenu()
{
    fileMenu->addSeparator();
    languageMenu = fileMenu->addMenu(QStringLiteral("言語 / Language"));
    auto* group = new QActionGroup(languageMenu);
    for (const SpokenLanguage& spoken : SpokenLanguages()) {
        QAction* action = group->addAction(QString::fromUtf8(spoken.ownName));
        action->setCheckable(true);
        languageMenu->addAction(action);
        connect(action, &QAction::triggered, this, [language = spoken.language] { ChooseLanguage(language); });
        languageActions_.push_back(action);
    }
}

QAction* MainWindow::LanguageAction(Language language) const
{
    const std::span<const SpokenLanguage> spoken = SpokenLanguages();
    const auto index = std::ranges::find(spoken, language, &SpokenLanguage::language) - spoken.begin();
    return languageActions_[static_cast<std::size_t>(index)];
}

// The language in use is the one checked.
void MainWindow::ShowLanguageInUse()
{
    for (const SpokenLanguage& spoken : SpokenLanguages())
        LanguageAction(spoken.language)->setChecked(LanguageInUse() == spoken.language);
}

} // namespace tessivar::ui
