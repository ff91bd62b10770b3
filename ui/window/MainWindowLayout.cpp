// The window's design: every control of the main form with its place, size,
// look and tab order. Its words are in MainWindowTexts.cpp, behaviour is bound in
// MainWindow.cpp.
#include "MainWindow.h"

#include "FileDialogs.h"
#include "ImageControl.h"
#include "OverlayPanel.h"
#include "PathLabel.h"
#include "ProgramEditor.h"
#include "SceneView.h"
#include "Shortcuts.h"
#include "Styles.h"
#include "ValueSlider.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cstddef>
#include <iterator>

namespace tessivar::ui {

namespace {

constexpr int kClientWidth = 947;
constexpr int kClientHeight = 627;
constexpr int kStripHeight = 25; // title strip and section headers
constexpr int kColumnWidth = 192; // the right column of panels
constexpr int kSliderWidth = 19;
constexpr int kOperationPanelHeight = 153;
constexpr int kRegisterPanelHeight = 185;
constexpr int kRegisterEditorHeight = 132;
constexpr QSize kButtonSize(80, 22);

const char* const kSampleProgram = "S(3)\nJ(1,3,6)\nS(2)\nS(3)\nJ(1,1,2)\nT(2,1)\n/ R(1):=R(1)-1\n/ 不完全";

QFrame* CreatePanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setAutoFillBackground(true);
    return panel;
}

// A header strip with its label filling it, centred.
QFrame* CreateHeader(QWidget* parent, Look look, QLabel* label)
{
    QFrame* header = CreatePanel(parent);
    SetLook(*header, look);
    label->setParent(header);
    label->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    return header;
}

QPushButton* CreateButton(QWidget* parent, QPoint position)
{
    auto* button = new QPushButton(parent);
    button->setGeometry(QRect(position, kButtonSize));
    return button;
}

QPlainTextEdit* StyleEditor(QPlainTextEdit* editor)
{
    SetLook(*editor, Look::Editor);
    editor->setFont(EditorFont());
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setTabChangesFocus(true);
    return editor;
}

} // namespace

void MainWindow::CreateDesign()
{
    setStyleSheet(WindowStyleSheet());
    clientArea = new QWidget(this);
    setCentralWidget(clientArea);

    // In the design's order: later siblings are drawn on top.
    sceneView = new render::SceneView(scene_.Root, clientArea);
    sceneView->setMinimumSize(0, 0);
    sceneView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    CreateColumn();
    titleLabel = new QLabel;
    titleStrip = CreateHeader(clientArea, Look::TitleStrip, titleLabel);
    titleStrip->setFixedHeight(kStripHeight);
    zoomSlider = new ValueSlider(5, 50, 10, clientArea);
    // Fifteen wheel notches sweep the whole zoom range.
    zoomSlider->SetSteps(1, 5);
    zoomSlider->setFixedWidth(kSliderWidth);
    LayOutClientArea();
    CreateOverlay();

    CreateMenu();
    openDialog = CreateOpenDialog(this);
    saveDialog = CreateSaveDialog(this);
    SetTabOrder();
}

// The designed client area, at the top-left corner of the screen, once the
// menu bar has its texts and with them its height.
void MainWindow::PlaceWindow()
{
    resize(kClientWidth, kClientHeight + mainMenu->sizeHint().height());
    move(0, 0);
}

// The right column: operation and register panels of fixed height, the
// program panel taking the rest.
void MainWindow::CreateColumn()
{
    column = CreatePanel(clientArea);
    column->setFixedWidth(kColumnWidth);
    CreateOperationPanel();
    CreateRegisterPanel();
    CreateProgramPanel();
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(operationPanel);
    layout->addWidget(registerPanel);
    layout->addWidget(programPanel, 1);
}

void MainWindow::CreateOperationPanel()
{
    operationPanel = CreatePanel(column);
    operationPanel->setFixedHeight(kOperationPanelHeight);
    operationTitle = new QLabel;
    operationHeader = CreateHeader(operationPanel, Look::SectionHeader, operationTitle);
    operationHeader->setGeometry(0, 0, kColumnWidth, kStripHeight);
    setButton = CreateButton(operationPanel, {56, 124});
    quitButton = CreateButton(operationPanel, {56, 94});
    stepButton = CreateButton(operationPanel, {56, 64});
    runButton = CreateButton(operationPanel, {56, 35});
    speedSlider = new ValueSlider(1, 5, 1, operationPanel);
    speedSlider->setGeometry(kColumnWidth - kSliderWidth, kStripHeight, kSliderWidth,
                             kOperationPanelHeight - kStripHeight);
}

void MainWindow::CreateRegisterPanel()
{
    registerPanel = CreatePanel(column);
    registerPanel->setFixedHeight(kRegisterPanelHeight);
    registerTitle = new QLabel;
    registerHeader = CreateHeader(registerPanel, Look::SectionHeader, registerTitle);
    registerHeader->setGeometry(0, 0, kColumnWidth, kStripHeight);
    clearButton = CreateButton(registerPanel, {56, 160});
    registerEditor = StyleEditor(new QPlainTextEdit(registerPanel));
    registerEditor->setGeometry(0, kStripHeight, kColumnWidth, kRegisterEditorHeight);
}

void MainWindow::CreateProgramPanel()
{
    programPanel = CreatePanel(column);
    pathLabel = new PathLabel(nullptr);
    programHeader = CreateHeader(programPanel, Look::SectionHeader, pathLabel);
    programHeader->setFixedHeight(kStripHeight);
    auto* editor = new ProgramEditor(programPanel);
    StyleEditor(editor);
    BindKeys(*editor->JumpToTargetAction(), Command::GoToJumpTarget);
    BindKeys(*editor->GoToLineAction(), Command::GoToLine);
    programEditor = editor;
    programEditor->setPlainText(QString::fromUtf8(kSampleProgram));
    auto* layout = new QVBoxLayout(programPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(programHeader);
    layout->addWidget(programEditor, 1);
}

// The title strip along the top; below it the viewport takes what the zoom
// slider and the column leave.
void MainWindow::LayOutClientArea()
{
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(sceneView, 1);
    body->addWidget(zoomSlider);
    body->addWidget(column);
    auto* layout = new QVBoxLayout(clientArea);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleStrip);
    layout->addLayout(body, 1);
}

// The explanation overlay, the client area's last child, above everything else.
void MainWindow::CreateOverlay()
{
    explanation = new OverlayPanel(clientArea);
    explanationPicture = explanation->Picture();
    closeExplanationButton = explanation->CloseButton();
    explanation->raise();
}

void MainWindow::CreateMenu()
{
    mainMenu = menuBar();
    fileMenu = mainMenu->addMenu(QString());
    newAction = fileMenu->addAction(QString());
    openAction = fileMenu->addAction(QString());
    saveAction = fileMenu->addAction(QString());
    saveAsAction = fileMenu->addAction(QString());
}

// Operation panel, program panel, register panel, zoom slider, overlay.
void MainWindow::SetTabOrder()
{
    QWidget* const order[] = {runButton,     stepButton,  quitButton,     setButton,  speedSlider,
                              programEditor, clearButton, registerEditor, zoomSlider, closeExplanationButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

} // namespace tessivar::ui
