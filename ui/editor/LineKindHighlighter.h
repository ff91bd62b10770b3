#pragma once

#include <QSyntaxHighlighter>

namespace tessivar::ui {

// Colours each line of the program editor by what the decoder makes of it
// (S, Z, T, J, comment, no-op step) and puts a wavy underline under the
// faults in how it is written. Both follow from a line's text alone, so only
// the lines an edit changes are looked at again.
class LineKindHighlighter final : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit LineKindHighlighter(QTextDocument* document);

protected:
    void highlightBlock(const QString& text) override;
};

} // namespace tessivar::ui
