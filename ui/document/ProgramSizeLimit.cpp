#include "ProgramSizeLimit.h"

#include "MessageBoxes.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

#include <algorithm>

namespace tessivar::ui {

namespace {

bool Fits(std::size_t lines, std::size_t characters, QWidget* parent)
{
    if (lines <= kMostProgramLines && characters <= kMostProgramCharacters)
        return true;
    ShowMessage(parent, ProgramTooLongMessage());
    return false;
}

// Characters of UTF-8 text: every byte that does not continue a character.
std::size_t CharacterCount(const std::string& text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char byte) { return (byte & 0xC0) != 0x80; }));
}

} // namespace

QString ProgramTooLongMessage()
{
    return QCoreApplication::translate("ProgramSizeLimit",
                                       "プログラムが長すぎます。このウィンドウで開いたりセットしたりできるのは、"
                                       "100,000 行・1,000,000 文字までです。プログラムは変わっていません。");
}

bool ProgramFitsWindow(const TextLines& lines, QWidget* parent)
{
    std::size_t characters = 0;
    for (const std::string& line : lines)
        characters += CharacterCount(line);
    return Fits(lines.size(), characters, parent);
}

bool ProgramFitsWindow(const QPlainTextEdit& editor, QWidget* parent)
{
    const QTextDocument& document = *editor.document();
    // The document counts a separator after every line, the last one too.
    const auto lines = static_cast<std::size_t>(document.blockCount());
    return Fits(lines, static_cast<std::size_t>(document.characterCount()) - lines, parent);
}

} // namespace tessivar::ui
