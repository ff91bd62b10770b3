#include "BlockClassification.h"

#include "LineDescription.h"
#include "MessageText.h"

#include <QTextBlock>
#include <QTextDocument>

namespace tessivar::ui {

std::int32_t ProgramLineCount(const QTextDocument& document)
{
    if (document.isEmpty())
        return 0;
    return tessivar::ProgramLineCount(static_cast<std::size_t>(document.blockCount()),
                                      document.lastBlock().length() == 1);
}

std::optional<LineClassification> ClassifyBlock(const QTextBlock& block)
{
    const std::int32_t lineCount = ProgramLineCount(*block.document());
    if (block.blockNumber() >= lineCount)
        return std::nullopt;
    return ClassifyLine(block.text().toStdString(), block.blockNumber(), lineCount);
}

QString DescribeBlock(const QTextBlock& block)
{
    const std::optional<LineClassification> line = ClassifyBlock(block);
    return line ? MessageText(DescribeLine(*line)) : QString();
}

} // namespace tessivar::ui
