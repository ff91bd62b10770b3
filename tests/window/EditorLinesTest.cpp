#include "EditorLines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <gtest/gtest.h>

namespace tessivar::ui {
namespace {

TEST(EditorLines, CountEveryLineButNoneForAnEmptyEditor)
{
    const std::pair<const char*, TextLines> cases[] = {
        {"", {}},
        {"7", {"7"}},
        {"1\n2\n", {"1", "2", ""}},
        {"\n", {"", ""}},
        {"a\n\nb", {"a", "", "b"}},
        {"不完全", {"不完全"}},
    };
    for (const auto& [text, lines] : cases) {
        QPlainTextEdit editor;
        editor.setPlainText(QString::fromUtf8(text));
        EXPECT_EQ(EditorLines(editor), lines) << text;
    }
}

TEST(EditorLines, RewriteYieldsExactlyTheGivenLines)
{
    struct Case {
        const char* before;
        TextLines after;
    };
    const Case cases[] = {
        {"+7\n007\nabc", {"7", "7", "0"}}, // changed in place
        {"1\n2", {"1", "2", "0", "0", "5"}}, // extended
        {"", {"0", "1"}}, // from an empty editor
        {"1\n2\n3", {"1"}}, // shortened
        {"1\n2", {}}, // emptied
        {"1\n2\n", {"1", "2", "0"}}, // an empty last line rewritten
    };
    for (const Case& c : cases) {
        QPlainTextEdit editor;
        editor.setPlainText(QString::fromUtf8(c.before));
        RewriteEditorLines(editor, c.after);
        EXPECT_EQ(EditorLines(editor), c.after) << c.before;
    }
}

TEST(EditorLines, RewriteLeavesUnchangedLinesAndTheCaretAlone)
{
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral("12\n+3\n45"));
    QTextCursor caret = editor.textCursor();
    caret.setPosition(editor.document()->findBlockByNumber(2).position() + 1); // between 4 and 5
    editor.setTextCursor(caret);

    RewriteEditorLines(editor, {"12", "3", "45"});

    EXPECT_EQ(editor.toPlainText(), QStringLiteral("12\n3\n45"));
    EXPECT_EQ(editor.textCursor().blockNumber(), 2);
    EXPECT_EQ(editor.textCursor().positionInBlock(), 1);
}

TEST(EditorLines, RewriteIsOneUndoStep)
{
    QPlainTextEdit editor;
    editor.setPlainText(QStringLiteral("+1\n+2"));
    RewriteEditorLines(editor, {"1", "2", "0"});
    editor.undo();
    EXPECT_EQ(editor.toPlainText(), QStringLiteral("+1\n+2"));
}

} // namespace
} // namespace tessivar::ui
