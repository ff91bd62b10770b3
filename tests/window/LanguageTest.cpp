#include "ShownForm.h"

#include "ApplicationSetup.h"
#include "BlockClassification.h"
#include "ImageControl.h"
#include "Language.h"
#include "MessageBoxWatcher.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTextBlock>

namespace tessivar::ui::test {
namespace {

// The toolkit's file dialogs are worded by the toolkit.
bool OfTheWindow(const QWidget* widget)
{
    return qobject_cast<const QFileDialog*>(widget->window()) == nullptr;
}

// The menus' items and what is in their submenus, as the menu bar holds them.
void AppendMenuTexts(const QList<QAction*>& actions, QStringList& texts)
{
    for (const QAction* action : actions) {
        texts.append(action->text());
        if (action->menu() != nullptr)
            AppendMenuTexts(action->menu()->actions(), texts);
    }
}

// Every word the window shows of itself: labels, buttons, menus and their
// items (the editors' contents are the user's).
QStringList ShownTexts(const MainWindow& form)
{
    QStringList texts;
    for (const QLabel* label : form.findChildren<QLabel*>())
        if (OfTheWindow(label))
            texts.append(label->text());
    for (const QAbstractButton* button : form.findChildren<QAbstractButton*>())
        if (OfTheWindow(button))
            texts.append(button->text());
    AppendMenuTexts(form.mainMenu->actions(), texts);
    for (const QAction* action : form.programEditor->actions())
        texts.append(action->text());
    texts.removeAll(QString());
    texts.sort();
    return texts;
}

bool HasJapanese(const QString& text)
{
    static const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    return text.contains(japanese);
}

class LanguageSwitch : public ShownForm {
protected:
    void TearDown() override
    {
        Choose(form.LanguageAction(Language::Japanese));
        QSettings().clear();
    }

    // The windows hear of a new language from the event loop.
    static void Shown() { QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); }
    static void Choose(QAction* language)
    {
        language->trigger();
        Shown();
    }
};

// Only the language menu names languages in themselves, and so keeps its
// Japanese; everything else changes at once and comes back as it was.
TEST_F(LanguageSwitch, EveryTextChangesAtOnceAndBack)
{
    const QStringList japanese = ShownTexts(form);
    const QImage japanesePicture = form.explanationPicture->Bitmap().toImage();
    EXPECT_TRUE(form.LanguageAction(Language::Japanese)->isChecked());

    Choose(form.LanguageAction(Language::English));
    for (const QString& text : ShownTexts(form)) {
        const bool namesALanguage
            = text == form.languageMenu->title() || text == form.LanguageAction(Language::Japanese)->text();
        EXPECT_TRUE(namesALanguage || !HasJapanese(text)) << text.toStdString();
    }
    EXPECT_EQ(form.setButton->text(), QStringLiteral("Set"));
    EXPECT_EQ(form.fileMenu->title(), QStringLiteral("File"));
    EXPECT_EQ(form.exampleMenu->actions().first()->text(), QStringLiteral("Addition"));
    EXPECT_TRUE(form.LanguageAction(Language::English)->isChecked());
    EXPECT_FALSE(form.LanguageAction(Language::Japanese)->isChecked());
    EXPECT_EQ(form.openDialog->nameFilters().value(1), QStringLiteral("Text files (*.txt)"));
    EXPECT_NE(form.explanationPicture->Bitmap().toImage(), japanesePicture) << "the explanation in English";

    Choose(form.LanguageAction(Language::Japanese));
    EXPECT_EQ(ShownTexts(form).join(QLatin1Char('\n')).toStdString(), japanese.join(QLatin1Char('\n')).toStdString());
    EXPECT_EQ(form.explanationPicture->Bitmap().toImage(), japanesePicture);
}

// The machine's own words follow too: the message box and a line's tooltip.
TEST_F(LanguageSwitch, MessagesAndTooltipsComeInTheLanguageChosen)
{
    Choose(form.LanguageAction(Language::English));
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    {
        MessageBoxWatcher boxes;
        QTest::mouseClick(form.stepButton, Qt::LeftButton);
        ASSERT_EQ(boxes.Seen().size(), 1u);
        EXPECT_EQ(boxes.Seen()[0].text, QStringLiteral("Please press Set first."));
    }
    EXPECT_EQ(DescribeBlock(form.programEditor->document()->firstBlock()), QStringLiteral("S(3): adds 1 to R(3)"));
    Choose(form.LanguageAction(Language::Japanese));
    EXPECT_EQ(DescribeBlock(form.programEditor->document()->firstBlock()),
              QString::fromUtf8("S(3): R(3) に 1 を足します"));
}

// A run goes on through a switch, its button saying so in the new language.
TEST_F(LanguageSwitch, ARunKeepsRunningAndItsButtonSaysStop)
{
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    form.registerEditor->setPlainText(QStringLiteral("3"));
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    ASSERT_EQ(form.runButton->text(), QString::fromUtf8("停止"));
    Choose(form.LanguageAction(Language::English));
    EXPECT_EQ(form.runButton->text(), QStringLiteral("Stop"));
    EXPECT_FALSE(form.setButton->isEnabled()) << "still running";
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    EXPECT_EQ(form.runButton->text(), QStringLiteral("Run"));
    EXPECT_TRUE(form.setButton->isEnabled());
}

// The choice is kept for the next start, which a language given for one
// start (--lang) overrides without changing it.
TEST_F(LanguageSwitch, TheChoiceIsRememberedAndAStartMayOverrideIt)
{
    EXPECT_EQ(SavedLanguage(), Language::Japanese) << "Japanese until one is chosen";
    Choose(form.LanguageAction(Language::English));
    EXPECT_EQ(QSettings().value(QStringLiteral("language")).toString(), QStringLiteral("en"));
    EXPECT_EQ(SavedLanguage(), Language::English);

    SetUpApplication(Language::Japanese);
    Shown();
    EXPECT_EQ(LanguageInUse(), Language::Japanese);
    EXPECT_EQ(form.setButton->text(), QString::fromUtf8("セット"));
    EXPECT_EQ(SavedLanguage(), Language::English) << "a start's language is not remembered";
    SetUpApplication();
    Shown();
    EXPECT_EQ(LanguageInUse(), Language::English);
    EXPECT_EQ(form.setButton->text(), QStringLiteral("Set"));
}

} // namespace
} // namespace tessivar::ui::test
