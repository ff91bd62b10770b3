#include "Styles.h"

#include <QStringList>
#include <QWidget>

namespace tessivar::ui {

namespace {

constexpr int kEditorFontPixels = 18;

// Headers: aqua with a grey outline. Title strip: light grey with a grey outline.
// Both are decoration only and pass mouse hits through (set in SetLook).
const char* const kPanelLooks = R"(
QFrame[look="SectionHeader"] { background-color: #00FFFF; border: 1px solid #979797; }
QFrame[look="TitleStrip"] { background-color: #F0F0F0; border: 1px solid #979797; }
QFrame[look="SectionHeader"] QLabel, QFrame[look="TitleStrip"] QLabel { background: transparent; border: none; }
)";

// A framed white text box with a 2-pixel inner margin, a blue frame while focused,
// 16-pixel scroll bars and a half-transparent blue selection.
const char* const kEditorLook = R"(
QPlainTextEdit[look="Editor"] {
  background-color: white; color: black;
  border: 1px solid #ABADB3; border-radius: 3px; padding: 2px;
  selection-background-color: rgba(42, 150, 255, 128); selection-color: black;
}
QPlainTextEdit[look="Editor"]:focus { border: 1px solid #2A96FF; }
QPlainTextEdit[look="Editor"] QScrollBar:vertical { width: 16px; }
QPlainTextEdit[look="Editor"] QScrollBar:horizontal { height: 16px; }
)";

// The name that the style sheet selects the look by.
const char* LookName(Look look)
{
    switch (look) {
    case Look::SectionHeader:
        return "SectionHeader";
    case Look::TitleStrip:
        return "TitleStrip";
    case Look::Editor:
        break;
    }
    return "Editor";
}

} // namespace

QString WindowStyleSheet()
{
    return QString::fromUtf8(kPanelLooks) + QString::fromUtf8(kEditorLook);
}

void SetLook(QWidget& control, Look look)
{
    control.setProperty("look", QString::fromLatin1(LookName(look)));
    // Headers and the title strip are decoration only.
    if (look != Look::Editor)
        control.setAttribute(Qt::WA_TransparentForMouseEvents);
}

QFont EditorFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kEditorFontPixels);
    return font;
}

} // namespace tessivar::ui
