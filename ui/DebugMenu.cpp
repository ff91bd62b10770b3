// The Debug menu: the run and step buttons under the usual debugger keys,
// breakpoints in the program editor, and the current line there. Nothing of
// it changes what Set, steps and runs do when it is not used.
#include "Unit1.h"

#include "ProgramEditorMarks.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace tessivar::ui {

namespace {

QAction* AddDebugAction(QMenu& menu, const char* text, const char* keys)
{
    QAction* action = menu.addAction(QString::fromUtf8(text));
    action->setShortcut(QKeySequence(QString::fromUtf8(keys)));
    // The keys work wherever the focus is, the editors included.
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace

void TForm1::CreateDebugMenu()
{
    marks_ = std::make_unique<ProgramEditorMarks>(*Memo2);
    DebugMenu = MainMenu1->addMenu(QStringLiteral("デバッグ"));
    RunAction = AddDebugAction(*DebugMenu, "実行 / 停止", "F5");
    StepAction = AddDebugAction(*DebugMenu, "1ステップ", "F10");
    DebugMenu->addSeparator();
    ToggleBreakpointAction = AddDebugAction(*DebugMenu, "ブレークポイントの切り替え", "F9");
    ClearBreakpointsAction = DebugMenu->addAction(QStringLiteral("すべてのブレークポイントを解除"));
    connect(RunAction, &QAction::triggered, Button5, &QPushButton::click);
    connect(StepAction, &QAction::triggered, Button4, &QPushButton::click);
    connect(ToggleBreakpointAction, &QAction::triggered, this, [this] {
        marks_->ToggleBreakpointAtCaret();
        UpdateDebugActions();
    });
    connect(ClearBreakpointsAction, &QAction::triggered, this, [this] {
        marks_->ClearBreakpoints();
        UpdateDebugActions();
    });
    // The run-control state lives in the buttons: follow their enabled flags.
    Button4->installEventFilter(this);
    Button5->installEventFilter(this);
    UpdateDebugActions();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && (watched == Button4 || watched == Button5))
        UpdateDebugActions();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::UpdateDebugActions()
{
    RunAction->setEnabled(Button5->isEnabled());
    StepAction->setEnabled(Button4->isEnabled());
    ClearBreakpointsAction->setEnabled(marks_->HasBreakpoints());
}

// While a program is set, the editor shows the line at PC, the next to run.
void TForm1::ShowCurrentLine()
{
    marks_->ShowCurrentLine(machine_.Prg.empty() ? std::nullopt : std::optional<std::int64_t>(machine_.PC));
}

// A run stops before a line with a breakpoint, except on its first step, so
// that "実行" on a breakpoint line goes on.
bool TForm1::StopsAtBreakpoint() const
{
    return !firstStepOfRun_ && marks_->HasBreakpoint(machine_.PC);
}

} // namespace tessivar::ui
