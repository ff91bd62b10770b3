#include "ShownForm.h"

#include "MessageBoxWatcher.h"
#include "PathLabel.h"
#include "ProgramSizeLimit.h"
#include "TemporaryFolder.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <string>

namespace tessivar::ui::test {
namespace {

using tessivar::test::TemporaryFolder;
using tessivar::test::WriteBytes;

// `lines` lines of "S(1)", joined with `lineBreak`.
std::string Program(std::size_t lines, const char* lineBreak)
{
    std::string text;
    for (std::size_t i = 0; i < lines; ++i)
        text += i == 0 ? "S(1)" : std::string(lineBreak) + "S(1)";
    return text;
}

// Everything a refused program must leave as it was.
struct WindowState {
    QString registers, program, fileName, listing;
    TextLines programList;
    RegisterFile registerValues;
    std::size_t balls;

    static WindowState Of(MainWindow& form)
    {
        std::size_t balls = 0;
        for (const scene::SceneObject* child : form.Scene().Root->Children())
            balls += child->Kind() == scene::ObjectKind::Ball && child->Visible();
        return {form.registerEditor->toPlainText(),
                form.programEditor->toPlainText(),
                form.pathLabel->text(),
                QString::fromUtf8(form.Scene().ListingText->Text().View()),
                form.MachineState().program,
                form.MachineState().registers,
                balls};
    }
    friend bool operator==(const WindowState&, const WindowState&) = default;
};

class ProgramSizeLimit : public ShownForm {
protected:
    void SetUp() override
    {
        ShownForm::SetUp();
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
        TopSpeed();
        form.registerEditor->setPlainText(QStringLiteral("3\n5"));
        QTest::mouseClick(form.setButton, Qt::LeftButton);
        before = WindowState::Of(form);
        ASSERT_EQ(before.balls, 8u);
    }

    // Clicks "セット" and returns the texts of the message boxes it showed.
    std::vector<QString> Set()
    {
        const MessageBoxWatcher watcher;
        QTest::mouseClick(form.setButton, Qt::LeftButton);
        std::vector<QString> texts;
        for (const SeenMessageBox& box : watcher.Seen())
            texts.push_back(box.text);
        return texts;
    }

    const QString tooLong = ProgramTooLongMessage();
    WindowState before;
};

TEST_F(ProgramSizeLimit, SetRefusesAProgramPastEitherLimitAndChangesNothing)
{
    struct Case {
        const char* name;
        std::string program;
    };
    const Case cases[] = {
        {"one line too many", Program(kMostProgramLines + 1, "\n")},
        {"one character too many", std::string(kMostProgramCharacters + 1, 'S')},
    };
    for (const Case& c : cases) {
        form.programEditor->setPlainText(QString::fromStdString(c.program));
        before.program = form.programEditor->toPlainText();
        EXPECT_EQ(Set(), std::vector<QString>{tooLong}) << c.name;
        EXPECT_TRUE(WindowState::Of(form) == before) << c.name;
    }
}

TEST_F(ProgramSizeLimit, SetTakesAProgramOfExactlyTheMostLines)
{
    form.programEditor->setPlainText(QString::fromStdString(Program(kMostProgramLines, "\n")));
    EXPECT_EQ(Set(), std::vector<QString>{});
    EXPECT_EQ(form.MachineState().program.size(), kMostProgramLines);
}

TEST_F(ProgramSizeLimit, OpenRefusesAProgramPastTheLimitAndChangesNothing)
{
    const TemporaryFolder folder;
    const std::string path = folder.File("long.urm");
    WriteBytes(path, Program(kMostProgramLines + 1, "\r\n"));
    const MessageBoxWatcher watcher;
    form.OpenProgramFile(QString::fromStdString(path));
    ASSERT_EQ(watcher.Seen().size(), 1u);
    EXPECT_EQ(watcher.Seen()[0].text, tooLong);
    EXPECT_TRUE(WindowState::Of(form) == before);
}

} // namespace
} // namespace tessivar::ui::test
