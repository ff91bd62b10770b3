#pragma once

#include "ProgramText.h"

#include <cstddef>

class QPlainTextEdit;
class QString;

namespace tessivar::ui {

// The line list of a multi-line editor. Every line counts, an empty last line
// included; an editor without any text has no lines.
TextLines EditorLines(const QPlainTextEdit& editor);
std::size_t EditorLineCount(const QPlainTextEdit& editor);

// Whether the editor's text is `text`. Asked after every keystroke: the whole
// text is only read when the lengths agree.
bool EditorHolds(const QPlainTextEdit& editor, const QString& text);

// Replaces the editor's whole text by `lines`.
void SetEditorLines(QPlainTextEdit& editor, const TextLines& lines);

// Makes the editor hold `lines`, touching only the lines that differ, so the
// caret and the scroll position stay where the user left them. One undo step.
void RewriteEditorLines(QPlainTextEdit& editor, const TextLines& lines);

} // namespace tessivar::ui
