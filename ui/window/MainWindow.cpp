#include "MainWindow.h"

#include "Debugger.h"
#include "EditorLines.h"
#include "FileChooser.h"
#include "FramePacer.h"
#include "ListingWidth.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "OverlayPanel.h"
#include "ProgramDocument.h"
#include "ProgramSizeLimit.h"
#include "SceneView.h"
#include "StepDuration.h"
#include "ValueSlider.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <string>

namespace tessivar::ui {

namespace {

// Frames may take half of the thread; while a run goes at the top speed, a
// step per 10 ms tick leaves them a twentieth (two frames a second of a
// software renderer, 25 of a graphics card).
constexpr double kDrawingShare = 0.5;
constexpr double kTopSpeedRunDrawingShare = 0.05;

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    CreateDesign();
    framePacer_ = new FramePacer(*sceneView, kDrawingShare, this);
    clockDriver_.Attach(clock_, [this] { framePacer_->RequestFrame(); });
    BindEvents();
    ShowTexts();
    PlaceWindow();
}

// The view draws the scene, so it goes before the scene does: the controls
// would otherwise be freed by the window after every member has gone.
MainWindow::~MainWindow()
{
    delete takeCentralWidget();
}

void MainWindow::BindEvents()
{
    connect(clearButton, &QPushButton::clicked, this, &MainWindow::OnClearClicked);
    connect(setButton, &QPushButton::clicked, this, &MainWindow::OnSetClicked);
    connect(quitButton, &QPushButton::clicked, this, &MainWindow::OnQuitClicked);
    connect(closeExplanationButton, &QPushButton::clicked, this, &MainWindow::OnCloseExplanationClicked);
    connect(zoomSlider, &ValueSlider::ValueChanged, this, &MainWindow::OnZoomChanged);
    connect(speedSlider, &ValueSlider::ValueChanged, this, &MainWindow::OnZoomChanged);
    BindAnimationEnds();
    BindFileMenu();
    CreateDebugMenu();
    CreateRunController();
    BindDebugMenu();
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        OnFirstShown();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!document_->MayReplaceProgram()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        OnClosed();
}

// Escape closes the explanation. Enter presses the focused button, as it does
// on the desktop the design comes from; from other controls it belongs to the
// default button "1ステップ", unless the control uses it itself: the editors
// insert a line break and never pass it on.
void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && explanation->isVisible()) {
        closeExplanationButton->click();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* pressed = focused ? focused : stepButton;
        if (pressed->isEnabled())
            pressed->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::OnFirstShown()
{
    scene_.BuildRegisterLabels();
    framePacer_->RequestFrame();
}

// Nothing that arrives after the window has closed may run a step or touch
// the released program.
void MainWindow::OnClosed()
{
    run_->Shut();
    for (scene::FloatAnimation* animation :
         {scene_.CameraPan, scene_.InstructionSlide, scene_.ListingScroll, scene_.ComparisonRise})
        animation->OnFinish = {};
    machineScene_.FreeAllBalls();
    machine_.ClearProgram();
}

float MainWindow::StepDuration() const
{
    return scene::StepDuration(speedSlider->Value(), speedSlider->Max());
}

// Step back waits for the end of a step, which changes no button when stopping.
void MainWindow::OnRunStateChanged(RunState state)
{
    UpdateDebugActions();
    const bool topSpeedRun = (state == RunState::Running || state == RunState::RunStepShown) && StepDuration() == 0;
    framePacer_->SetDrawingShare(topSpeedRun ? kTopSpeedRunDrawingShare : kDrawingShare);
}

void MainWindow::OnClearClicked()
{
    registerEditor->clear();
}

void MainWindow::OnSetClicked()
{
    if (!ProgramFitsWindow(*programEditor, this))
        return;
    run_->EndFullSpeed();
    machineScene_.FreeAllBalls();
    TextLines registerLines = EditorLines(*registerEditor);
    const TextLines programLines = EditorLines(*programEditor);
    const SetOutcome outcome = machine_.Set(registerLines, programLines);
    RewriteEditorLines(*registerEditor, registerLines);
    machineScene_.BuildStacks(machine_.registers, registerLines.size(), outcome);
    // Even a failed Set changed registers that no undo record knows of.
    debugger_->ForgetHistory();
    if (outcome.error) {
        debugger_->ShowCurrentLine();
        framePacer_->RequestFrame();
        ShowErrorBox(this, MessageText(outcome.error->message));
        return;
    }
    debugger_->RememberProgramAtSet();
    ShowProgram(programLines);
    debugger_->ShowCurrentLine();
}

void MainWindow::ShowProgram(const TextLines& programLines)
{
    machineScene_.ShowProgram(scene::SetPanDuration(speedSlider->Value(), speedSlider->Max()),
                              {programLines.size(), ListingWidth(machine_.program), JoinTextLines(programLines)});
    framePacer_->RequestFrame();
}

void MainWindow::OnQuitClicked()
{
    close();
}

void MainWindow::OnCloseExplanationClicked()
{
    explanation->setVisible(false);
}

// Serves both sliders and always reads the zoom slider.
void MainWindow::OnZoomChanged()
{
    scene_.ViewCamera->Position.SetZ(-static_cast<float>(zoomSlider->Value()));
    framePacer_->RequestFrame();
}

} // namespace tessivar::ui
