#include "Unit1.h"

#include "EditorLines.h"
#include "FileChooser.h"
#include "FramePacer.h"
#include "ListingWidth.h"
#include "MessageBoxes.h"
#include "MessageText.h"
#include "OverlayPanel.h"
#include "ProgramEditorMarks.h"
#include "ProgramSizeLimit.h"
#include "SceneView.h"
#include "StepDuration.h"
#include "ValueSlider.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <string>

namespace tessivar::ui {

namespace {

// Frames may take half of the thread; while a run goes at the top speed, a
// step per 10 ms tick leaves them a twentieth (two frames a second of a
// software renderer, 25 of a graphics card).
constexpr double kDrawingShare = 0.5;
constexpr double kTopSpeedRunDrawingShare = 0.05;

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    CreateDesign();
    framePacer_ = new FramePacer(*Viewport3D1, kDrawingShare, this);
    clockDriver_.Attach(clock_, [this] { framePacer_->RequestFrame(); });
    BindEvents();
    ShowTexts();
    PlaceWindow();
}

// The view draws the scene, so it goes before the scene does: the controls
// would otherwise be freed by the window after every member has gone.
TForm1::~TForm1()
{
    delete takeCentralWidget();
}

void TForm1::BindEvents()
{
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm1::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm1::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm1::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(TrackBar1, &ValueSlider::ValueChanged, this, &TForm1::TrackBar1Change);
    connect(TrackBar2, &ValueSlider::ValueChanged, this, &TForm1::TrackBar1Change);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    BindAnimationEnds();
    BindFileMenu();
    CreateDebugMenu();
    CreateFastRun();
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* event)
{
    if (!MayReplaceProgram()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        FormClose();
}

// Escape closes the explanation. Enter presses the focused button, as it does
// on the desktop the design comes from; from other controls it belongs to the
// default button "1ステップ", unless the control uses it itself: the editors
// insert a line break and never pass it on.
void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && Panel9->isVisible()) {
        Button6->click();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* pressed = focused ? focused : Button4;
        if (pressed->isEnabled())
            pressed->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::FormShow()
{
    scene_.BuildRegisterLabels();
    framePacer_->RequestFrame();
}

// Nothing that arrives after the window has closed may run a step or touch
// the released program.
void TForm1::FormClose()
{
    fastRun_->Stop();
    Timer1->stop();
    disconnect(Timer1, nullptr, this, nullptr);
    for (scene::TFloatAnimation* animation :
         {scene_.FloatAnimation4, scene_.FloatAnimation5, scene_.FloatAnimation6, scene_.FloatAnimation7})
        animation->OnFinish = {};
    machineScene_.FreeAllBalls();
    machine_.ClearProgram();
}

float TForm1::StepDuration() const
{
    return scene::StepDuration(TrackBar2->Value(), TrackBar2->Max());
}

void TForm1::PaceFrames()
{
    const bool topSpeedRun = Running() && !fastRun_->Active() && StepDuration() == 0;
    framePacer_->SetDrawingShare(topSpeedRun ? kTopSpeedRunDrawingShare : kDrawingShare);
}

void TForm1::Button1Click()
{
    Memo1->clear();
}

void TForm1::Button2Click()
{
    if (!ProgramFitsWindow(*Memo2, this))
        return;
    EndFastRun();
    machineScene_.FreeAllBalls();
    TextLines registerLines = EditorLines(*Memo1);
    const TextLines programLines = EditorLines(*Memo2);
    const SetOutcome outcome = machine_.Set(registerLines, programLines);
    RewriteEditorLines(*Memo1, registerLines);
    machineScene_.BuildStacks(machine_.Reg, registerLines.size(), outcome);
    // Even a failed Set changed registers that no undo record knows of.
    ForgetHistory();
    if (outcome.error) {
        ShowCurrentLine();
        framePacer_->RequestFrame();
        ShowErrorBox(this, MessageText(outcome.error->message));
        return;
    }
    RememberProgramAtSet();
    ShowProgram(programLines);
    ShowCurrentLine();
}

void TForm1::ShowProgram(const TextLines& programLines)
{
    machineScene_.ShowProgram(scene::SetPanDuration(TrackBar2->Value(), TrackBar2->Max()),
                              {programLines.size(), ListingWidth(machine_.Prg), JoinTextLines(programLines)});
    framePacer_->RequestFrame();
}

void TForm1::Button3Click()
{
    close();
}

void TForm1::Button6Click()
{
    Panel9->setVisible(false);
}

// Serves both sliders and always reads the zoom slider.
void TForm1::TrackBar1Change()
{
    scene_.Camera1->Position.SetZ(-static_cast<float>(TrackBar1->Value()));
    framePacer_->RequestFrame();
}

} // namespace tessivar::ui
