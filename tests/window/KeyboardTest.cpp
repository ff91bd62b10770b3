#include "ShownForm.h"

#include "MessageBoxWatcher.h"
#include "ValueSlider.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace tessivar::ui::test {
namespace {

class EnterKey : public ShownForm {
protected:
    void SetUp() override
    {
        ShownForm::SetUp();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Presses Enter in the focused control and counts the clicks of "1ステップ".
    int StepClicksForEnterIn(QWidget* focused, Qt::Key key = Qt::Key_Return,
                             Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        focused->setFocus();
        QSignalSpy clicks(form.stepButton, &QPushButton::clicked);
        MessageBoxWatcher boxes; // a step before Set shows its message
        QTest::keyClick(focused, key, modifiers);
        return static_cast<int>(clicks.count());
    }
};

TEST_F(EnterKey, TriggersTheStepButtonFromControlsThatDoNotUseIt)
{
    for (QWidget* focused : std::initializer_list<QWidget*>{form.zoomSlider, form.speedSlider}) {
        EXPECT_EQ(StepClicksForEnterIn(focused), 1) << focused->metaObject()->className();
        EXPECT_EQ(StepClicksForEnterIn(focused, Qt::Key_Enter, Qt::KeypadModifier), 1) << "keypad Enter";
    }
}

TEST_F(EnterKey, PressesTheFocusedButtonItself)
{
    for (QPushButton* button : {form.stepButton, form.runButton, form.setButton}) {
        button->setFocus();
        QSignalSpy clicks(button, &QPushButton::clicked);
        QSignalSpy stepClicks(form.stepButton, &QPushButton::clicked);
        MessageBoxWatcher boxes; // "実行" before Set shows its message
        QTest::keyClick(button, Qt::Key_Return);
        EXPECT_EQ(clicks.count(), 1) << button->text().toStdString();
        EXPECT_EQ(stepClicks.count(), button == form.stepButton ? 1 : 0) << button->text().toStdString();
    }
}

TEST_F(EnterKey, DoesNothingWhileTheStepButtonIsDisabled)
{
    form.stepButton->setEnabled(false);
    EXPECT_EQ(StepClicksForEnterIn(form.speedSlider), 0);
}

TEST_F(EnterKey, WithShiftOrControlIsNotTheDefaultButtonsKey)
{
    EXPECT_EQ(StepClicksForEnterIn(form.speedSlider, Qt::Key_Return, Qt::ControlModifier), 0);
    EXPECT_EQ(StepClicksForEnterIn(form.speedSlider, Qt::Key_Return, Qt::ShiftModifier), 0);
}

TEST_F(EnterKey, InsertsALineInTheEditorsInsteadOfStepping)
{
    for (QPlainTextEdit* editor : {form.registerEditor, form.programEditor}) {
        const int linesBefore = editor->document()->blockCount();
        EXPECT_EQ(StepClicksForEnterIn(editor), 0);
        EXPECT_EQ(editor->document()->blockCount(), linesBefore + 1);
    }
}

} // namespace
} // namespace tessivar::ui::test
