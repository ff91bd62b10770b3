// "言語 / Language" at the end of the File menu: the window's language, at
// once and from then on. Its own texts name each language in itself, so that
// they read the same in every language.
#include "Unit1.h"

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

void TForm1::CreateLanguageMenu()
{
    MenuItem1->addSeparator();
    LanguageMenu = MenuItem1->addMenu(QStringLiteral("言語 / Language"));
    auto* group = new QActionGroup(LanguageMenu);
    JapaneseAction = group->addAction(QStringLiteral("日本語"));
    EnglishAction = group->addAction(QStringLiteral("English"));
    for (QAction* action : group->actions()) {
        action->setCheckable(true);
        LanguageMenu->addAction(action);
    }
    connect(JapaneseAction, &QAction::triggered, this, [] { ChooseLanguage(Language::Japanese); });
    connect(EnglishAction, &QAction::triggered, this, [] { ChooseLanguage(Language::English); });
}

} // namespace tessivar::ui
