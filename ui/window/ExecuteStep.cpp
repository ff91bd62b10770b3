#include "MainWindow.h"

#include "EditorLines.h"
#include "FramePacer.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "SceneView.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace tessivar::ui {

// One step: the machine executes the line at PC, the register panel follows,
// and the scene starts showing it. A line that cannot be carried out changes
// nothing, is reported, and leaves the controls idle.
void MainWindow::ExecuteStep()
{
    if (!StepEntry())
        return;
    const StepOutcome outcome = machine_.ExecuteStep();
    if (outcome.error) {
        // Idle first: the modal box lets other events through while it is open.
        ReturnToIdle();
        ShowErrorBox(this, MessageText(outcome.error->message));
        return;
    }
    history_.Record(UndoRecord::Of(outcome.effect));
    if (WritesRegister(outcome.effect.kind))
        ShowRegisterLine(outcome.effect.targetRegister, outcome.effect.newValue);
    ShowCurrentLine();
    machineScene_.ShowStep(StepToShow(outcome.effect));
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
        UpdateRegisterPanel(lines, number, machine_.Reg[static_cast<std::size_t>(number - 1)]);
    RewriteEditorLines(*registerEditor, lines);
}

// The instruction text is the program editor's line as it reads now; an
// editor edited since Set may no longer have that line, and then it is empty.
scene::StepShown MainWindow::StepToShow(const InstructionEffect& effect) const
{
    const QTextBlock line = programEditor->document()->findBlockByNumber(static_cast<int>(effect.executedPC));
    const QString text = line.isValid() ? line.text() : QString();
    return {.effect = effect,
            .Reg = machine_.Reg,
            .PC = machine_.PC,
            .Step = machine_.Step,
            .instructionText = text.toStdString(),
            .instructionLength = static_cast<std::size_t>(text.size()),
            .duration = StepDuration(),
            .editorLines = EditorLineCount(*programEditor)};
}

} // namespace tessivar::ui
