#pragma once

#include "AnimationClock.h"
#include "DesignScene.h"
#include "FastRun.h"
#include "Machine.h"
#include "MachineScene.h"
#include "QtClockDriver.h"
#include "StepHistory.h"
#include "TextEncoding.h"

#include <QMainWindow>

#include <memory>
#include <span>

class QAction;
class QFileDialog;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace tessivar::render {
class SceneView;
}

namespace tessivar::ui {

class FileChooser;
struct Example;
class ProgramEditorMarks;
class FramePacer;
class ImageControl;
class OverlayPanel;
class PathLabel;
class ValueSlider;

// The main form. It owns the machine state, the scene with its view and every
// control under its design name, and holds one handler per user event; the
// work itself is done by the machine, the scene and the renderer.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The controls, in creation order (later siblings are drawn on top).
    QWidget* clientArea = nullptr;
    render::SceneView* sceneView = nullptr;
    QFrame* column = nullptr;
    QFrame* operationPanel = nullptr;
    QFrame* operationHeader = nullptr;
    QLabel* operationTitle = nullptr;
    QPushButton* setButton = nullptr;
    QPushButton* quitButton = nullptr;
    QPushButton* stepButton = nullptr;
    QPushButton* runButton = nullptr;
    ValueSlider* speedSlider = nullptr;
    QFrame* registerPanel = nullptr;
    QFrame* registerHeader = nullptr;
    QLabel* registerTitle = nullptr;
    QPushButton* clearButton = nullptr;
    QPlainTextEdit* registerEditor = nullptr;
    QFrame* programPanel = nullptr;
    QFrame* programHeader = nullptr;
    PathLabel* pathLabel = nullptr;
    QPlainTextEdit* programEditor = nullptr;
    QFrame* titleStrip = nullptr;
    QLabel* titleLabel = nullptr;
    ValueSlider* zoomSlider = nullptr;
    OverlayPanel* explanation = nullptr;
    ImageControl* explanationPicture = nullptr;
    QPushButton* closeExplanationButton = nullptr;

    // Components without a place of their own.
    QMenuBar* mainMenu = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QFileDialog* openDialog = nullptr;
    QFileDialog* saveDialog = nullptr;
    QTimer* runTick = nullptr;

    // Submenus of the File menu: the example library, the files used last and
    // the window's language.
    QMenu* exampleMenu = nullptr;
    QMenu* recentFilesMenu = nullptr;
    QMenu* languageMenu = nullptr;
    QAction* japaneseAction = nullptr;
    QAction* englishAction = nullptr;

    // The Debug menu, beside the design's File menu.
    QMenu* debugMenu = nullptr;
    QAction* runAction = nullptr;
    QAction* stepAction = nullptr;
    QAction* stepBackAction = nullptr;
    QAction* runToEndAction = nullptr;
    QAction* runToCaretAction = nullptr;
    QAction* toggleBreakpointAction = nullptr;
    QAction* clearBreakpointsAction = nullptr;

    const Machine& MachineState() const { return machine_; }
    scene::DesignScene& Scene() { return scene_; }

    const scene::MachineScene& SceneOfMachine() const { return machineScene_; }
    // The File menu asks it for file names (the dialogs openDialog and saveDialog unless set).
    void SetFileChooser(std::unique_ptr<FileChooser> chooser);
    // Open without the dialog: the file's lines go into the program editor;
    // a failure is shown in the error box and changes nothing.
    void OpenProgramFile(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The control tree, its looks, sizes and tab order (MainWindowLayout.cpp).
    void CreateDesign();
    void CreateColumn();
    void CreateOperationPanel();
    void CreateRegisterPanel();
    void CreateProgramPanel();
    void LayOutClientArea();
    void CreateOverlay();
    void CreateMenu();
    void SetTabOrder();
    void PlaceWindow();
    void BindEvents();

    // The words of the window in the language in use (MainWindowTexts.cpp).
    void ShowTexts();
    void ShowRunCaption();
    void ShowMenuTexts();
    QString StopCaption() const;

    void OnFirstShown();
    void OnClosed();
    void OnClearClicked();
    void OnSetClicked();
    void OnQuitClicked();
    void OnCloseExplanationClicked();
    void OnZoomChanged();

    // Run control (RunControl.cpp).
    void OnStepClicked();
    void OnRunClicked();
    void OnRunTick();
    void OnCameraPanFinished(scene::TFmxObject* sender);
    void OnListingClearFinished(scene::TFmxObject* sender);
    void OnStepShown(scene::TFmxObject* sender);
    void OnHighlightFinished(scene::TFmxObject* sender);
    void BindAnimationEnds();
    bool Running() const;
    void EnableRunTick(bool enabled);
    bool StepEntry();
    void ReturnToIdle();
    void EnterFastRunState();
    void PaceFrames();
    // The step duration D the speed slider asks for now.
    float StepDuration() const;

    // The File menu (FileMenu.cpp).
    void BindFileMenu();
    void OnNewClicked();
    void OnOpenClicked();
    void OnSaveClicked();
    void OnSaveAsClicked();
    void ProgramReplaced(const QString& fileName);
    void WriteProgram(const QString& path);
    void MarkProgramSaved();
    bool ProgramChanged() const;
    void ShowFileInTitle();
    bool MayReplaceProgram();
    bool MayReplaceFile(const QString& path);
    void CreateExampleMenu();
    void OpenExample(const Example& example);
    void CreateRecentFilesMenu();
    void ShowRecentFiles();
    void OpenRecentFile(const QString& path);
    void CreateLanguageMenu();

    // The Debug menu (DebugMenu.cpp).
    void CreateDebugMenu();
    void UpdateDebugActions();
    bool CanStepBack() const;
    void StepBack();
    void ForgetHistory();
    void ShowCurrentLine();
    void FollowProgramEdit();
    void RememberProgramAtSet();
    bool StopsAtBreakpoint() const;

    // Runs at full speed (FastRunControl.cpp).
    void CreateFastRun();
    void RunAtFullSpeed(std::optional<std::int64_t> caretLine);
    void EndFastRun();
    void ShowFastRunResult(FastRunResult result);

    // One step (ExecuteStep.cpp).
    void ExecuteStep();
    // Rewrites the register editor's line of a register, as a step writes it.
    void ShowRegisterLine(int registerNumber, std::int64_t value);
    void ShowRegisterLines(std::span<const int> registerNumbers);
    scene::StepShown StepToShow(const InstructionEffect& effect) const;

    void ShowProgram(const TextLines& programLines);

    Machine machine_;
    // The clock outlives the scene whose animations it ticks, the driver the clock.
    QtClockDriver clockDriver_;
    scene::AnimationClock clock_{clockDriver_};
    scene::DesignScene scene_{clock_};
    scene::MachineScene machineScene_{scene_};
    FramePacer* framePacer_ = nullptr;
    std::unique_ptr<FileChooser> fileChooser_;
    // Every save writes in the encoding of the last file opened; a program
    // never opened is saved as plain UTF-8.
    TextEncoding programEncoding_ = TextEncoding::Utf8Unmarked;
    // The program editor's text when it was last opened, saved or started anew.
    QString savedProgram_;
    std::unique_ptr<ProgramEditorMarks> marks_;
    // The next tick runs the first step of a run, which no breakpoint stops.
    bool firstStepOfRun_ = false;
    // Every executed line since Set, for step back.
    StepHistory history_;
    // The program editor's text at the last Set, and whether it differs now.
    QString programAtSet_;
    bool programEditedSinceSet_ = false;
    bool shown_ = false;
    // "実行" in the language the texts were last shown in: any other caption
    // of runButton means a run.
    QString runCaption_;
    // Last: a run at full speed records into history_ until it is stopped.
    std::unique_ptr<FastRun> fastRun_;
};

} // namespace tessivar::ui
