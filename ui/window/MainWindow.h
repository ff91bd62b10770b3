#pragma once

#include "AnimationClock.h"
#include "Language.h"
#include "Machine.h"
#include "MachineScene.h"
#include "QtClockDriver.h"
#include "RunController.h"
#include "RunTarget.h"
#include "Stage.h"

#include <QMainWindow>

#include <memory>
#include <span>
#include <vector>

class QAction;
class QFileDialog;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;

namespace tessivar::render {
class SceneView;
}

namespace tessivar::ui {

class FileChooser;
class ProgramDocument;
class Debugger;
class FramePacer;
class ImageControl;
class OverlayPanel;
class PathLabel;
class ValueSlider;

// The main window: it lays out the controls and wires them to the parts that
// do the work. The run controller decides when a line runs; the window is
// still the machine's side of it (RunTarget), holding the machine, its
// history and the scene until they move into a part of their own.
class MainWindow : public QMainWindow, private RunTarget {
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

    // Submenus of the File menu: the example library, the files used last and
    // the window's language.
    QMenu* exampleMenu = nullptr;
    QMenu* recentFilesMenu = nullptr;
    QMenu* languageMenu = nullptr;

    // The Debug menu, beside the File menu.
    QMenu* debugMenu = nullptr;
    QAction* runAction = nullptr;
    QAction* stepAction = nullptr;
    QAction* stepBackAction = nullptr;
    QAction* runToEndAction = nullptr;
    QAction* runToCaretAction = nullptr;
    QAction* toggleBreakpointAction = nullptr;
    QAction* clearBreakpointsAction = nullptr;

    const Machine& MachineState() const { return machine_; }
    const RunController& Run() const { return *run_; }
    // The language menu's action that chooses `language`.
    QAction* LanguageAction(Language language) const;
    scene::Stage& Scene() { return scene_; }

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
    void ShowMenuTexts();

    void OnFirstShown();
    void OnClosed();
    void OnClearClicked();
    void OnSetClicked();
    void OnQuitClicked();
    void OnCloseExplanationClicked();
    void OnZoomChanged();

    // The scene's animation ends (SceneAnimationEnds.cpp).
    void BindAnimationEnds();
    void OnCameraPanFinished(scene::SceneObject* sender);
    void OnInstructionSlideFinished(scene::SceneObject* sender);
    void OnStepShown(scene::SceneObject* sender);
    void OnComparisonRiseFinished(scene::SceneObject* sender);

    // The machine as the run controller drives it (MachineRun.cpp).
    void CreateRunController();
    void OnRunStateChanged(RunState state);
    bool ProgramGoesOn() const override;
    bool BreakpointAtNextLine() const override;
    std::optional<QString> ExecuteStep() override;
    const Machine& MachineToRun() const override;
    StepHistory& HistoryToRecord() override;
    std::vector<std::int64_t> BreakpointLines() const override;
    void StopShowingStep() override;
    void ShowStepCount(StepCount step) override;
    void ShowFullSpeedResult(const FastRunResult& result) override;
    // The step duration D the speed slider asks for now.
    float StepDuration() const;

    // The File menu (FileMenu.cpp).
    void BindFileMenu();
    void OnProgramReplaced();
    void CreateExampleMenu();
    void CreateRecentFilesMenu();
    void ShowRecentFiles();
    void CreateLanguageMenu();
    void ShowLanguageInUse();

    // The Debug menu (DebugMenu.cpp).
    void CreateDebugMenu();
    void BindDebugMenu();
    void UpdateDebugActions();
    bool CanStepBack() const;
    void StepBack();

    // Rewrites the register editor's line of a register, as a step writes it.
    void ShowRegisterLine(int registerNumber, std::int64_t value);
    void ShowRegisterLines(std::span<const int> registerNumbers);
    scene::StepShown StepToShow(const InstructionEffect& effect) const;

    void ShowProgram(const TextLines& programLines);

    // The machine and its scene stay with the window for now, as the run
    // controller's target: a step, Set and step back each show them in the
    // register editor, the scene and the current line, and the window is
    // where those displays meet. They are the next to move, into a machine
    // session of their own behind the same RunTarget.
    Machine machine_;
    // The clock outlives the scene whose animations it ticks, the driver the clock.
    QtClockDriver clockDriver_;
    scene::AnimationClock clock_{clockDriver_};
    scene::Stage scene_{clock_};
    scene::MachineScene machineScene_{scene_};
    FramePacer* framePacer_ = nullptr;
    ProgramDocument* document_ = nullptr;
    // The language menu's actions, one per spoken language, in their order.
    std::vector<QAction*> languageActions_;
    std::unique_ptr<Debugger> debugger_;
    bool shown_ = false;
    // Last: a run at full speed records into the debugger's history until it is stopped.
    std::unique_ptr<RunController> run_;
};

} // namespace tessivar::ui
