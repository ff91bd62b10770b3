// "言語 / Language" at the end of the File menu: the window's language, at
// once and from then on. Its own texts name each language in itself, so that
// they read the same in every language.
#include "MainWindow.h"

#include "Language.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

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
    japaneseAction = group->addAction(QStringLiteral("日本語"));
    englishAction = group->addAction(QStringLiteral("English"));
    for (QAction* action : group->actions()) {
        action->setCheckable(true);
        languageMenu->addAction(action);
    }
    connect(japaneseAction, &QAction::triggered, this, [] { ChooseLanguage(Language::Japanese); });
    connect(englishAction, &QAction::triggered, this, [] { ChooseLanguage(Language::English); });
}

} // namespace tessivar::ui
