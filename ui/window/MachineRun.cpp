// The machine as the run controller drives it: one step executed and shown,
// and what a run at full speed starts from and leaves behind.
#include "MainWindow.h"

#include "Debugger.h"
#include "EditorLines.h"
#include "FramePacer.h"
#include "MessageText.h"
#include "SceneView.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>

namespace tessivar::ui {

void MainWindow::CreateRunController()
{
    run_ = std::make_unique<RunController>(RunControls{.runButton = runButton,
                                                       .stepButton = stepButton,
                                                       .setButton = setButton,
                                                       .runAction = runAction,
                                                       .stepAction = stepAction,
                                                       .runToEndAction = runToEndAction,
                                                       .runToCaretAction = runToCaretAction},
                                           static_cast<RunTarget&>(*this));
    connect(run_.get(), &RunController::StateChanged, this, &MainWindow::OnRunStateChanged);
    connect(runButton, &QPushButton::clicked, run_.get(), &RunController::PressRun);
    connect(stepButton, &QPushButton::clicked, run_.get(), &RunController::Step);
}

bool MainWindow::ProgramGoesOn() const
{
    return machine_.CanContinue();
}

bool MainWindow::BreakpointAtNextLine() const
{
    return debugger_->BreakpointAt(machine_.pc);
}

// The machine executes the line at PC, the register panel follows, and the
// scene starts showing it. A line that cannot be carried out changes nothing.
std::optional<QString> MainWindow::ExecuteStep()
{
    const StepOutcome outcome = machine_.ExecuteStep();
    if (outcome.error)
        return MessageText(outcome.error->message);
    debugger_->RecordStep(outcome.effect);
    if (WritesRegister(outcome.effect.kind))
        ShowRegisterLine(outcome.effect.targetRegister, outcome.effect.newValue);
    debugger_->ShowCurrentLine();
    machineScene_.ShowStep(StepToShow(outcome.effect));
    framePacer_->RequestFrame();
    return std::nullopt;
}

const Machine& MainWindow::MachineToRun() const
{
    return machine_;
}

StepHistory& MainWindow::HistoryToRecord()
{
    return debugger_->History();
}

std::vector<std::int64_t> MainWindow::BreakpointLines() const
{
    return debugger_->BreakpointLines();
}

void MainWindow::StopShowingStep()
{
    scene_.ListingScroll->Stop();
}

void MainWindow::ShowStepCount(StepCount step)
{
    machineScene_.ShowStepCount(step);
    framePacer_->RequestFrame();
}

// The window shows the state as if every line had been stepped.
void MainWindow::ShowFullSpeedResult(const FastRunResult& result)
{
    machine_.registers = result.machine.registers;
    machine_.pc = result.machine.pc;
    machine_.stepCount = result.machine.stepCount;
    std::vector<int> changed;
    for (int number = 1; number <= kRegisterCount; ++number)
        if (result.outcome.written[static_cast<std::size_t>(number - 1)])
            changed.push_back(number);
    ShowRegisterLines(changed);
    machineScene_.ShowMachineState(machine_, changed, EditorLineCount(*programEditor), StepDuration());
    debugger_->ShowCurrentLine();
    framePacer_->RequestFrame();
}

void MainWindow::ShowRegisterLine(int registerNumber, std::int64_t value)
{
    TextLines lines = EditorLines(*registerEditor);
    UpdateRegisterPanel(lines, registerNumber, value);
    RewriteEditorLines(*registerEditor, lines);
}

// The register editor's lines of many registers at once, as steps write them.
void MainWindow::ShowRegisterLines(std::span<const int> registerNumbers)
{
    TextLines lines = EditorLines(*registerEditor);
    for (const int number : registerNumbers)
        UpdateRegisterPanel(lines, number, machine_.registers[static_cast<std::size_t>(number - 1)]);
    RewriteEditorLines(*registerEditor, lines);
}

// The instruction text is the program editor's line as it reads now; an
// editor edited since Set may no longer have that line, and then it is empty.
scene::StepShown MainWindow::StepToShow(const InstructionEffect& effect) const
{
    const QTextBlock line = programEditor->document()->findBlockByNumber(static_cast<int>(effect.executedPC));
    const QString text = line.isValid() ? line.text() : QString();
    return {.effect = effect,
            .registers = machine_.registers,
            .pc = machine_.pc,
            .stepCount = machine_.stepCount,
            .instructionText = text.toStdString(),
            .instructionLength = static_cast<std::size_t>(text.size()),
            .duration = StepDuration(),
            .editorLines = EditorLineCount(*programEditor)};
}

} // namespace tessivar::ui
