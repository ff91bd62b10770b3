#include "ShownForm.h"

#include "MessageBoxWatcher.h"
#include "SceneView.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace tessivar::ui::test {
namespace {

// What the run state is read from.
struct RunState {
    QString caption;
    bool listingPlaying, timerArmed, set, step, run;
    friend bool operator==(const RunState&, const RunState&) = default;
    friend std::ostream& operator<<(std::ostream& out, const RunState& s)
    {
        return out << s.caption.toStdString() << " listing " << s.listingPlaying << " timer " << s.timerArmed
                   << " buttons " << s.set << s.step << s.run;
    }
};

const QString Run = QStringLiteral("実行");
const QString Stop = QStringLiteral("停止");
const RunState Idle{Run, false, false, true, true, true};
const RunState Stepping{Run, true, false, false, false, false};
const RunState RunningWaiting{Stop, false, true, false, false, true};
const RunState StepInFlight{Stop, true, false, false, false, true};
const RunState Stopping{Run, true, false, true, true, true};

class RunControl : public ShownForm {
protected:
    void SetUp() override
    {
        ShownForm::SetUp();
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
        form.speedSlider->SetValue(4); // D = 0.25 s: a step lasts about half a second
    }

    RunState State()
    {
        return {form.runButton->text(),      form.Scene().ListingScroll->Running(), form.Run().Tick().isActive(),
                form.setButton->isEnabled(), form.stepButton->isEnabled(),          form.runButton->isEnabled()};
    }

    void SetProgram(const char* registers, const char* program)
    {
        form.registerEditor->setPlainText(QString::fromUtf8(registers));
        form.programEditor->setPlainText(QString::fromUtf8(program));
        Click(form.setButton);
    }

    void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    bool WaitFor(const RunState& state, int ms = 5000)
    {
        return QTest::qWaitFor([&] { return State() == state; }, ms);
    }
};

TEST_F(RunControl, ASingleStepLocksEveryButtonUntilItsListingScrollEnds)
{
    SetProgram("0", "S(1)\nS(1)");
    EXPECT_EQ(State(), Idle);
    Click(form.stepButton);
    EXPECT_EQ(State(), Stepping);
    ASSERT_TRUE(WaitFor(Idle)) << State();
    EXPECT_EQ(form.MachineState().pc, 1);
}

TEST_F(RunControl, ARunGoesStepByStepUntilTheProgramEnds)
{
    SetProgram("0", "S(1)\nS(1)\nS(1)");
    Click(form.runButton);
    EXPECT_EQ(State(), RunningWaiting);
    ASSERT_TRUE(WaitFor(StepInFlight)) << State();
    ASSERT_TRUE(WaitFor(RunningWaiting)) << State();
    ASSERT_TRUE(WaitFor(Idle)) << State();
    EXPECT_EQ(form.MachineState().pc, 3);
    EXPECT_EQ(form.registerEditor->toPlainText(), QStringLiteral("3"));
}

TEST_F(RunControl, StopBetweenStepsCancelsThePendingTick)
{
    SetProgram("0", "S(1)\nS(1)\nS(1)");
    Click(form.runButton);
    ASSERT_EQ(State(), RunningWaiting);
    Click(form.runButton);
    EXPECT_EQ(State(), Idle);
    QTest::qWait(100);
    EXPECT_EQ(form.MachineState().pc, 0) << "no step ran";
}

TEST_F(RunControl, StopDuringAStepLetsItFinishThenTheWindowIsIdle)
{
    SetProgram("0", "S(1)\nS(1)\nS(1)");
    Click(form.runButton);
    ASSERT_TRUE(WaitFor(StepInFlight)) << State();
    Click(form.runButton);
    EXPECT_EQ(State(), Stopping);
    ASSERT_TRUE(WaitFor(Idle)) << State();
    QTest::qWait(100);
    EXPECT_EQ(form.MachineState().pc, 1);
    // Run again from stopping: the run goes on as usual.
    Click(form.runButton);
    ASSERT_TRUE(WaitFor(StepInFlight)) << State();
    Click(form.runButton);
    ASSERT_EQ(State(), Stopping);
    Click(form.runButton);
    EXPECT_EQ(form.runButton->text(), Stop);
    ASSERT_TRUE(WaitFor(Idle)) << State();
    EXPECT_EQ(form.MachineState().pc, 3);
}

TEST_F(RunControl, StopDuringTheLastStepShowsTheMessageAndTheRunEndsByItself)
{
    SetProgram("0", "S(1)");
    Click(form.runButton);
    ASSERT_TRUE(WaitFor(StepInFlight)) << State();
    MessageBoxWatcher boxes;
    Click(form.runButton);
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(boxes.Seen()[0].text, QString::fromUtf8("セットしてください。"));
    ASSERT_TRUE(WaitFor(Idle)) << State();
}

TEST_F(RunControl, RunAndStepBeforeSetOrAfterTheEndOnlyShowTheMessage)
{
    MessageBoxWatcher boxes;
    Click(form.runButton);
    Click(form.stepButton);
    EXPECT_EQ(State(), Idle);
    SetProgram("0", "S(1)");
    form.speedSlider->SetValue(5);
    Click(form.stepButton);
    Click(form.runButton);
    Click(form.stepButton);
    EXPECT_EQ(State(), Idle);
    EXPECT_EQ(boxes.Seen().size(), 4u);
}

// A step that cannot be carried out is reported, changes nothing, and ends
// the run with every control usable.
TEST_F(RunControl, AStepThatIsRefusedEndsTheRunInTheIdleState)
{
    const char* programs[] = {"S(1)\nS(300)", "S(1)\nT(1,257)", "S(1)\nJ(999,1,1)"};
    for (const char* program : programs) {
        SetProgram("1", program);
        form.speedSlider->SetValue(5);
        MessageBoxWatcher boxes;
        Click(form.runButton);
        ASSERT_TRUE(WaitFor(Idle)) << State();
        ASSERT_EQ(boxes.Seen().size(), 1u) << program;
        EXPECT_EQ(boxes.Seen()[0].icon, QMessageBox::Critical);
        EXPECT_EQ(form.MachineState().pc, 1) << program;
        EXPECT_EQ(form.registerEditor->toPlainText(), QStringLiteral("2")) << program;
        const scene::MachineScene& shown = form.SceneOfMachine();
        EXPECT_EQ(shown.Stacks().SlotLists.size(), 1u) << "no slot list was made for the missing register";
    }
}

// The sample program with 3 in R(1), at the top speed: one step per tick.
TEST_F(RunControl, TheSampleProgramRunsToItsEndAtTheTopSpeed)
{
    form.registerEditor->setPlainText(QStringLiteral("3"));
    Click(form.setButton);
    form.speedSlider->SetValue(5);
    Click(form.runButton);
    ASSERT_TRUE(WaitFor(Idle)) << State();
    EXPECT_EQ(form.registerEditor->toPlainText(), QStringLiteral("2\n2\n3"));
    EXPECT_EQ(form.Scene().CounterText->Text(), "Step:  11");
}

// Frames are paced by what they cost, so a run at the top speed leaves them
// a small share of the thread, but some: the view still follows the run.
TEST_F(RunControl, TheViewKeepsDrawingDuringARunAtTheTopSpeed)
{
    SetProgram("0", "S(1)\nJ(1,1,1)");
    form.speedSlider->SetValue(5);
    Click(form.runButton);
    QTest::qWait(500); // past the frames that build the listing's meshes
    const std::uint64_t drawn = form.sceneView->DrawnRevision();
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.sceneView->DrawnRevision() != drawn; }, 3000));
    EXPECT_GT(form.sceneView->TypicalFrameMs(), 0);
    EXPECT_EQ(State(), RunningWaiting);
    Click(form.runButton);
    ASSERT_TRUE(WaitFor(Idle)) << State();
}

// At a normal speed: R(1) from 8 past 10, R(2) from 198 past 200, then a
// clear and a copy; every ball ends in a slot, at its place.
TEST_F(RunControl, ARunAtANormalSpeedLeavesEveryBallInASlot)
{
    SetProgram("8\n198\n3\n0", "S(1)\nS(2)\nS(4)\nJ(4,3,6)\nJ(1,1,1)\nZ(1)\nT(2,1)");
    form.speedSlider->SetValue(4.5);
    Click(form.runButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.MachineState().pc >= 7; }, 30000));
    ASSERT_TRUE(WaitFor(Idle)) << State();
    EXPECT_EQ(form.registerEditor->toPlainText(), QStringLiteral("201\n201\n3\n3"));
    QTest::qWait(1100); // the copy's old balls fall for 1 s
    std::size_t inScene = 0, inSlots = 0;
    for (scene::SceneObject* child : form.Scene().Root->Children())
        inScene += child->Kind() == scene::ObjectKind::Ball && child != form.Scene().BallTemplate;
    for (const auto& slotList : form.SceneOfMachine().Stacks().SlotLists)
        if (slotList)
            for (const scene::Ball* ball : *slotList)
                inSlots += ball != nullptr;
    EXPECT_EQ(inSlots, 200u + 200 + 3 + 3);
    EXPECT_EQ(inScene, inSlots);
}

// Ticks and animation ends that come after the window closed find nothing to
// run and no program.
TEST_F(RunControl, ClosingTheWindowDuringARunEndsEverythingQuietly)
{
    SetProgram("0", "S(1)\nS(1)\nS(1)\nS(1)");
    Click(form.runButton);
    ASSERT_TRUE(WaitFor(StepInFlight)) << State();
    {
        MessageBoxWatcher boxes(QStringLiteral("保存しない")); // the program was typed, not saved
        form.close();
    }
    QTest::qWait(1000);
    EXPECT_TRUE(form.MachineState().program.empty());
    EXPECT_EQ(form.MachineState().pc, 1) << "no further step ran";
    EXPECT_FALSE(form.Run().Tick().isActive());
    EXPECT_EQ(form.SceneOfMachine().Stacks().SlotLists.size(), 1u);
    EXPECT_EQ((*form.SceneOfMachine().Stacks().SlotLists[0])[199], nullptr) << "the balls were freed";
}

} // namespace
} // namespace tessivar::ui::test
