#include "Unit1.h"

#include "EditorLines.h"
#include "MessageBoxes.h"
#include "OverlayPanel.h"
#include "SceneView.h"
#include "StepCounterText.h"
#include "ValueSlider.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstdint>
#include <string>

namespace tessivar::ui {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    CreateDesign();
    clockDriver_.Attach(clock_, [this] { Viewport3D1->UpdateIfChanged(); });
    BindEvents();
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
    connect(Button6, &QPushButton::clicked, this, &TForm1::Button6Click);
    connect(TrackBar1, &ValueSlider::ValueChanged, this, &TForm1::TrackBar1Change);
    connect(TrackBar2, &ValueSlider::ValueChanged, this, &TForm1::TrackBar1Change);
}

void TForm1::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

// Enter belongs to the default button "1ステップ" unless the focused control
// uses it itself: the editors insert a line break and never pass it on.
void TForm1::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (Button4->isEnabled())
            Button4->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::FormShow()
{
    scene_.BuildRegisterLabels();
    Viewport3D1->UpdateIfChanged();
}

void TForm1::Button1Click()
{
    Memo1->clear();
}

void TForm1::Button2Click()
{
    TextLines registerLines = EditorLines(*Memo1);
    const SetOutcome outcome = machine_.Set(registerLines, EditorLines(*Memo2));
    RewriteEditorLines(*Memo1, registerLines);
    if (outcome.error) {
        ShowErrorBox(this, outcome.error->message);
        return;
    }
    ShowStepCounter();
}

void TForm1::Button3Click()
{
    close();
}

void TForm1::Button4Click()
{
    ExecuteStep();
}

void TForm1::Button6Click()
{
    Panel9->setVisible(false);
}

// Serves both sliders and always reads the zoom slider.
void TForm1::TrackBar1Change()
{
    scene_.Camera1->Position.SetZ(-static_cast<float>(TrackBar1->Value()));
    Viewport3D1->UpdateIfChanged();
}

void TForm1::ExecuteStep()
{
    const StepOutcome outcome = machine_.ExecuteStep();
    if (outcome.error) {
        // Nothing to execute is the one plain message; a step that cannot be
        // carried out is an error.
        if (outcome.error->kind == MachineError::Kind::NothingToExecute)
            ShowMessage(this, outcome.error->message);
        else
            ShowErrorBox(this, outcome.error->message);
        return;
    }
    ShowRegisterLine(outcome.effect);
    ShowStepCounter();
}

void TForm1::ShowStepCounter()
{
    scene_.Text3D3->SetText(StepCounterText(machine_.Step));
    Viewport3D1->UpdateIfChanged();
}

void TForm1::ShowRegisterLine(const InstructionEffect& effect)
{
    if (!WritesRegister(effect.kind))
        return;
    TextLines lines = EditorLines(*Memo1);
    UpdateRegisterPanel(lines, effect);
    RewriteEditorLines(*Memo1, lines);
}

} // namespace tessivar::ui
