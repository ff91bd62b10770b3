#include "EditorLines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cstddef>

namespace tessivar::ui {

namespace {

QString ToQString(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void ReplaceBlockText(QTextCursor& cursor, const QTextBlock& block, const QString& text)
{
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void RemoveAll(QTextCursor& cursor)
{
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

// Removes the line break before `first` and everything after it.
void RemoveLinesFrom(QTextCursor& cursor, const QTextBlock& first)
{
    cursor.setPosition(first.position() - 1);
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void AppendLines(QTextCursor& cursor, const TextLines& lines, std::size_t from, bool documentEmpty)
{
    cursor.movePosition(QTextCursor::End);
    for (std::size_t i = from; i < lines.size(); ++i) {
        if (i > 0 || !documentEmpty)
            cursor.insertBlock();
        cursor.insertText(ToQString(lines[i]));
    }
}

} // namespace

TextLines EditorLines(const QPlainTextEdit& editor)
{
    const QTextDocument& document = *editor.document();
    if (document.isEmpty())
        return {};
    // The raw text holds every line as its block does, separated by paragraph
    // separators: one copy of it is cheaper than a walk over the blocks.
    const QString text = document.toRawText();
    TextLines lines;
    lines.reserve(static_cast<std::size_t>(document.blockCount()));
    for (const QStringView line : QStringView(text).split(QChar::ParagraphSeparator))
        lines.push_back(line.toUtf8().toStdString());
    return lines;
}

std::size_t EditorLineCount(const QPlainTextEdit& editor)
{
    const QTextDocument& document = *editor.document();
    return document.isEmpty() ? 0 : static_cast<std::size_t>(document.blockCount());
}

void SetEditorLines(QPlainTextEdit& editor, const TextLines& lines)
{
    QStringList text;
    for (const std::string& line : lines)
        text.append(QString::fromStdString(line));
    editor.setPlainText(text.join(QLatin1Char('\n')));
}

void RewriteEditorLines(QPlainTextEdit& editor, const TextLines& lines)
{
    QTextDocument& document = *editor.document();
    const bool documentEmpty = document.isEmpty();
    const std::size_t oldCount = documentEmpty ? 0 : static_cast<std::size_t>(document.blockCount());

    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    std::size_t i = 0;
    for (; i < oldCount && i < lines.size(); ++i) {
        const QTextBlock block = document.findBlockByNumber(static_cast<int>(i));
        const QString text = ToQString(lines[i]);
        if (block.text() != text)
            ReplaceBlockText(cursor, block, text);
    }
    if (lines.empty())
        RemoveAll(cursor);
    else if (i < oldCount)
        RemoveLinesFrom(cursor, document.findBlockByNumber(static_cast<int>(i)));
    else
        AppendLines(cursor, lines, i, documentEmpty);
    cursor.endEditBlock();
}

bool EditorHolds(const QPlainTextEdit& editor, const QString& text)
{
    // The document counts one separator after its last line too.
    return editor.document()->characterCount() == text.size() + 1 && editor.toPlainText() == text;
}

} // namespace tessivar::ui
