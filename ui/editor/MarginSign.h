#pragma once

#include "LineClassification.h"

#include <QColor>

#include <optional>

class QPainter;
class QRectF;

namespace tessivar::ui {

// What the sign column beside a line's number shows.
enum class MarginSign {
    None,
    JumpTarget, // where a taken jump of the J line under the caret goes
    EndsProgram, // a J whose taken jump ends the program: the usual halt, a hint
    NeverTaken, // a J whose target lies before the first line
};

// The sign of a line (none for the empty last line); the caret's jump target
// outranks what the line is itself.
MarginSign SignOf(const std::optional<LineClassification>& line, bool isCaretJumpTarget);

QColor SignColour(MarginSign sign);

// Drawn as shapes, so no font needs the glyphs.
void PaintSign(QPainter& painter, MarginSign sign, const QRectF& cell);

} // namespace tessivar::ui
