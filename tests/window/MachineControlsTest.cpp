#include "ShownForm.h"

#include "MessageBoxWatcher.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace tessivar::ui::test {
namespace {

class MachineControls : public ShownForm {
protected:
    void SetUp() override
    {
        ShownForm::SetUp();
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
        TopSpeed();
    }

    void Type(QPlainTextEdit* editor, const char* text) { editor->setPlainText(QString::fromUtf8(text)); }
    QString Text(QPlainTextEdit* editor) const { return editor->toPlainText(); }
    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
};

TEST_F(MachineControls, SetRewritesEveryRegisterLineCanonically)
{
    const std::pair<const char*, const char*> cases[] = {
        {"7\n  7\n+7\n007\n$7\n0x7\nX7", "7\n7\n7\n7\n7\n7\n7"},
        {"-3\nabc\n7 \n7.0\n+\n$", "-3\n0\n0\n0\n0\n0"},
        {"$FFFFFFFFFFFFFFFF\n00000000000000000000000042", "-1\n42"},
        {"1\n2\n", "1\n2\n0"},
        {"", ""},
    };
    for (const auto& [typed, canonical] : cases) {
        Type(form.registerEditor, typed);
        Click(form.setButton);
        EXPECT_EQ(Text(form.registerEditor), QString::fromUtf8(canonical)) << typed;
    }
}

TEST_F(MachineControls, SetLoadsTheMachineFromBothEditors)
{
    Type(form.registerEditor, "3\n+4");
    Click(form.setButton);
    const Machine& machine = form.MachineState();
    EXPECT_EQ(machine.registers[0], 3);
    EXPECT_EQ(machine.registers[1], 4);
    EXPECT_EQ(machine.registers[2], 0);
    EXPECT_EQ(machine.program.size(), 8u) << "the sample program";
    EXPECT_EQ(machine.program[0], "S 3 ");
    EXPECT_EQ(machine.pc, 0);
    EXPECT_EQ(machine.stepCount, 0);
}

TEST_F(MachineControls, SetKeepsTheCaretInTheLineItWasIn)
{
    Type(form.registerEditor, "1\n+22\n333");
    QTextCursor caret = form.registerEditor->textCursor();
    caret.setPosition(form.registerEditor->document()->findBlockByNumber(2).position() + 2);
    form.registerEditor->setTextCursor(caret);
    Click(form.setButton);
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("1\n22\n333"));
    EXPECT_EQ(form.registerEditor->textCursor().blockNumber(), 2);
    EXPECT_EQ(form.registerEditor->textCursor().positionInBlock(), 2);
}

TEST_F(MachineControls, SetBeyondTheRegisterFileShowsTheRangeErrorBox)
{
    QStringList lines;
    for (int i = 1; i <= 257; ++i)
        lines.append(QStringLiteral("+%1").arg(i));
    form.registerEditor->setPlainText(lines.join(QLatin1Char('\n')));
    MessageBoxWatcher boxes;
    Click(form.setButton);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes.Seen()[0].text, QString::fromUtf8("範囲チェックエラー."));
    // Registers up to 256 are loaded and rewritten; the program is not.
    EXPECT_EQ(form.registerEditor->document()->findBlockByNumber(255).text(), QStringLiteral("256"));
    EXPECT_EQ(form.registerEditor->document()->findBlockByNumber(256).text(), QStringLiteral("+257"));
    EXPECT_TRUE(form.MachineState().program.empty());
}

TEST_F(MachineControls, StepBeforeSetOnlyShowsTheMessage)
{
    Type(form.registerEditor, "+5");
    MessageBoxWatcher boxes;
    Click(form.stepButton);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    const SeenMessageBox& box = boxes.Seen()[0];
    EXPECT_EQ(box.text, QString::fromUtf8("セットしてください。"));
    EXPECT_EQ(box.title, QStringLiteral("Tessivar"));
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("+5"));
    EXPECT_EQ(form.MachineState().stepCount, 0);
    EXPECT_TRUE(form.stepButton->isEnabled());
}

TEST_F(MachineControls, StepNamingARegisterBeyondTheFileShowsAnErrorAndChangesNothing)
{
    Type(form.registerEditor, "1\n2");
    Type(form.programEditor, "S(1)\nS(300)");
    Click(form.setButton);
    Click(form.stepButton);
    MessageBoxWatcher boxes;
    Click(form.stepButton);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(boxes.Seen()[0].text.contains(QStringLiteral("R(300)"))) << boxes.Seen()[0].text.toStdString();
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("2\n2"));
    EXPECT_EQ(form.MachineState().pc, 1);
    EXPECT_EQ(form.MachineState().stepCount, 1);
    EXPECT_TRUE(form.stepButton->isEnabled());
}

TEST_F(MachineControls, StepsRewriteTheLinesOfTheRegistersTheyWrite)
{
    Type(form.programEditor, "S(5)\nT(1,2)\nJ(1,2,1)");
    Type(form.registerEditor, "7\n2");
    Click(form.setButton);

    MessageBoxWatcher boxes;
    Click(form.stepButton);
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("7\n2\n0\n0\n1")) << "S(5) extends the panel";
    Click(form.stepButton);
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("7\n7\n0\n0\n1")) << "T(1,2) rewrites line 2";
    Type(form.registerEditor, "edited");
    Click(form.stepButton);
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("edited")) << "J writes no register line";
    EXPECT_EQ(form.MachineState().pc, 0) << "the jump back to line 1 was taken";
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(MachineControls, StepAfterTheEndShowsTheMessageUntilTheNextSet)
{
    Type(form.programEditor, "S(1)");
    Type(form.registerEditor, "");
    Click(form.setButton);
    MessageBoxWatcher boxes;
    Click(form.stepButton);
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("1"));
    Click(form.stepButton);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, QString::fromUtf8("セットしてください。"));
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("1"));
    Click(form.setButton);
    Click(form.stepButton);
    EXPECT_EQ(Text(form.registerEditor), QStringLiteral("2")) << "Set reloads R(1) from the panel";
}

TEST_F(MachineControls, ClearEmptiesTheRegisterPanelButNotTheRegisters)
{
    Type(form.registerEditor, "4");
    Click(form.setButton);
    Click(form.clearButton);
    EXPECT_TRUE(Text(form.registerEditor).isEmpty());
    EXPECT_EQ(form.MachineState().registers[0], 4);
}

TEST_F(MachineControls, QuitClosesTheWindow)
{
    Click(form.quitButton);
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace tessivar::ui::test
