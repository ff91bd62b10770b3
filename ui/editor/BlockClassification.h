#pragma once

#include "LineClassification.h"

#include <QString>

#include <cstdint>
#include <optional>

class QTextBlock;
class QTextDocument;

namespace tessivar::ui {

// The number of lines Set would put in the program list from the document now.
std::int32_t ProgramLineCount(const QTextDocument& document);

// The decoder's view of a line of the program editor, where it stands now;
// none for the empty last line, which Set drops.
std::optional<LineClassification> ClassifyBlock(const QTextBlock& block);

// What the machine will do with the line, in Japanese; empty for the empty
// last line.
QString DescribeBlock(const QTextBlock& block);

} // namespace tessivar::ui
