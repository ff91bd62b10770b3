// The window's design: every control of the main form with its place, size,
// look and tab order. Its words are in Form1Texts.cpp, behaviour is bound in
// Unit1.cpp.
#include "Unit1.h"

#include "FileDialogs.h"
#include "ImageControl.h"
#include "OverlayPanel.h"
#include "PathLabel.h"
#include "ProgramEditor.h"
#include "SceneView.h"
#include "Styles.h"
#include "ValueSlider.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

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
constexpr int kMemo1Height = 132;
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
    SetLook(*editor, Look::Memo1Style1);
    editor->setFont(EditorFont());
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setTabChangesFocus(true);
    return editor;
}

} // namespace

void TForm1::CreateDesign()
{
    setWindowTitle(QStringLiteral("Form1"));
    setStyleSheet(StyleBook1());
    ClientArea = new QWidget(this);
    setCentralWidget(ClientArea);

    // In the design's order: later siblings are drawn on top.
    Viewport3D1 = new render::SceneView(scene_.Viewport3D1, ClientArea);
    Viewport3D1->setMinimumSize(0, 0);
    Viewport3D1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    CreateColumn();
    Label4 = new QLabel;
    Panel8 = CreateHeader(ClientArea, Look::Panel8Style1, Label4);
    Panel8->setFixedHeight(kStripHeight);
    TrackBar1 = new ValueSlider(5, 50, 10, ClientArea);
    // Fifteen wheel notches sweep the whole zoom range.
    TrackBar1->SetSteps(1, 5);
    TrackBar1->setFixedWidth(kSliderWidth);
    LayOutClientArea();
    CreateOverlay();

    CreateMenu();
    OD = CreateOpenDialog(this);
    SD = CreateSaveDialog(this);
    Timer1 = new QTimer(this);
    Timer1->setInterval(10);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    SetTabOrder();
}

// The designed client area, at the top-left corner of the screen, once the
// menu bar has its texts and with them its height.
void TForm1::PlaceWindow()
{
    resize(kClientWidth, kClientHeight + MainMenu1->sizeHint().height());
    move(0, 0);
}

// The right column: operation and register panels of fixed height, the
// program panel taking the rest.
void TForm1::CreateColumn()
{
    Panel1 = CreatePanel(ClientArea);
    Panel1->setFixedWidth(kColumnWidth);
    CreateOperationPanel();
    CreateRegisterPanel();
    CreateProgramPanel();
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel2);
    layout->addWidget(Panel3);
    layout->addWidget(Panel4, 1);
}

void TForm1::CreateOperationPanel()
{
    Panel2 = CreatePanel(Panel1);
    Panel2->setFixedHeight(kOperationPanelHeight);
    Label1 = new QLabel;
    Panel5 = CreateHeader(Panel2, Look::Panel5Style1, Label1);
    Panel5->setGeometry(0, 0, kColumnWidth, kStripHeight);
    Button2 = CreateButton(Panel2, {56, 124});
    Button3 = CreateButton(Panel2, {56, 94});
    Button4 = CreateButton(Panel2, {56, 64});
    Button5 = CreateButton(Panel2, {56, 35});
    TrackBar2 = new ValueSlider(1, 5, 1, Panel2);
    TrackBar2->setGeometry(kColumnWidth - kSliderWidth, kStripHeight, kSliderWidth,
                           kOperationPanelHeight - kStripHeight);
}

void TForm1::CreateRegisterPanel()
{
    Panel3 = CreatePanel(Panel1);
    Panel3->setFixedHeight(kRegisterPanelHeight);
    Label2 = new QLabel;
    Panel6 = CreateHeader(Panel3, Look::Panel5Style1, Label2);
    Panel6->setGeometry(0, 0, kColumnWidth, kStripHeight);
    Button1 = CreateButton(Panel3, {56, 160});
    Memo1 = StyleEditor(new QPlainTextEdit(Panel3));
    Memo1->setGeometry(0, kStripHeight, kColumnWidth, kMemo1Height);
}

void TForm1::CreateProgramPanel()
{
    Panel4 = CreatePanel(Panel1);
    Label3 = new PathLabel(nullptr);
    Label3->setText(QStringLiteral("New.urm"));
    Panel7 = CreateHeader(Panel4, Look::Panel5Style1, Label3);
    Panel7->setFixedHeight(kStripHeight);
    Memo2 = StyleEditor(new ProgramEditor(Panel4));
    Memo2->setPlainText(QString::fromUtf8(kSampleProgram));
    auto* layout = new QVBoxLayout(Panel4);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel7);
    layout->addWidget(Memo2, 1);
}

// The title strip along the top; below it the viewport takes what the zoom
// slider and the column leave.
void TForm1::LayOutClientArea()
{
    auto* body = new QHBoxLayout;
    body->setSpacing(0);
    body->addWidget(Viewport3D1, 1);
    body->addWidget(TrackBar1);
    body->addWidget(Panel1);
    auto* layout = new QVBoxLayout(ClientArea);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel8);
    layout->addLayout(body, 1);
}

// The explanation overlay, the client area's last child, above everything else.
void TForm1::CreateOverlay()
{
    Panel9 = new OverlayPanel(ClientArea);
    ImageControl1 = Panel9->Picture();
    Button6 = Panel9->CloseButton();
    Panel9->raise();
}

void TForm1::CreateMenu()
{
    MainMenu1 = menuBar();
    MenuItem1 = MainMenu1->addMenu(QString());
    MenuItem2 = MenuItem1->addAction(QString());
    MenuItem3 = MenuItem1->addAction(QString());
    MenuItem4 = MenuItem1->addAction(QString());
    MenuItem5 = MenuItem1->addAction(QString());
}

// Operation panel, program panel, register panel, zoom slider, overlay.
void TForm1::SetTabOrder()
{
    QWidget* const order[] = {Button5, Button4, Button3, Button2, TrackBar2, Memo2, Button1, Memo1, TrackBar1, Button6};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

} // namespace tessivar::ui
