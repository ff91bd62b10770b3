// The File menu: its actions go to the program document, which owns the
// program's file; the window follows when the program is replaced.
#include "MainWindow.h"

#include "Debugger.h"
#include "EditorLines.h"
#include "ExampleLibrary.h"
#include "FileChooser.h"
#include "PathLabel.h"
#include "ProgramDocument.h"
#include "Shortcuts.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>

namespace tessivar::ui {

void MainWindow::BindFileMenu()
{
    document_ = new ProgramDocument(*programEditor, *pathLabel, *this,
                                    std::make_unique<DialogFileChooser>(*openDialog, *saveDialog));
    BindKeys(*newAction, Command::NewProgram);
    BindKeys(*openAction, Command::OpenProgram);
    BindKeys(*saveAction, Command::SaveProgram);
    BindKeys(*saveAsAction, Command::SaveProgramAs);
    connect(newAction, &QAction::triggered, document_, &ProgramDocument::New);
    connect(openAction, &QAction::triggered, document_, &ProgramDocument::Open);
    connect(saveAction, &QAction::triggered, document_, &ProgramDocument::Save);
    connect(saveAsAction, &QAction::triggered, document_, &ProgramDocument::SaveAs);
    connect(document_, &ProgramDocument::ProgramReplaced, this, &MainWindow::OnProgramReplaced);
    connect(document_, &ProgramDocument::ExampleInputChosen, this,
            [this](const TextLines& registers) { SetEditorLines(*registerEditor, registers); });
    CreateExampleMenu();
    CreateRecentFilesMenu();
    CreateLanguageMenu();
}

// After "開く": the examples are another place to open a program from.
void MainWindow::CreateExampleMenu()
{
    exampleMenu = new QMenu(fileMenu);
    fileMenu->insertMenu(saveAction, exampleMenu);
    for (const Example& example : ReadExamples(ExampleFolder())) {
        QAction* action = exampleMenu->addAction(example.title);
        // The title as the file gives it, for the text in the language in use.
        action->setData(example.title);
        connect(action, &QAction::triggered, document_, [this, example] { document_->OpenExample(example); });
    }
    exampleMenu->setEnabled(!exampleMenu->isEmpty());
}

void MainWindow::SetFileChooser(std::unique_ptr<FileChooser> chooser)
{
    document_->SetFileChooser(std::move(chooser));
}

void MainWindow::OpenProgramFile(const QString& path)
{
    document_->OpenFile(path);
}

// The editor holds another program than the one set: nothing runs, and no
// step is undone, until the next Set.
void MainWindow::OnProgramReplaced()
{
    run_->EndFullSpeed();
    machine_.ClearProgram();
    debugger_->ProgramReplaced();
}

} // namespace tessivar::ui
