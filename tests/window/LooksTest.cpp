#include "ShownForm.h"
#include <QMenu>
#include <QMessageBox>
#include <memory>

#include "PathLabel.h"

#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace tessivar::ui::test {
namespace {

using Looks = ShownForm;

QColor PixelOf(QWidget* widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

TEST_F(Looks, HeadersAreAquaAndTheTitleStripLightGreyBothOutlinedInGrey)
{
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    for (QFrame* header : {form.operationHeader, form.registerHeader, form.programHeader}) {
        EXPECT_EQ(PixelOf(header, {3, 12}), QColor(0x00, 0xFF, 0xFF));
        EXPECT_EQ(PixelOf(header, {0, 0}), QColor(0x97, 0x97, 0x97));
        EXPECT_TRUE(header->testAttribute(Qt::WA_TransparentForMouseEvents));
    }
    EXPECT_EQ(PixelOf(form.titleStrip, {3, 12}), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(PixelOf(form.titleStrip, {0, 0}), QColor(0x97, 0x97, 0x97));
}

TEST_F(Looks, EditorsUseAFixedWidthJapaneseFontAtSize18)
{
    for (QPlainTextEdit* editor : {form.registerEditor, form.programEditor}) {
        const QFontInfo font(editor->font());
        EXPECT_EQ(font.pixelSize(), 18);
        const QFontMetrics metrics(editor->font());
        EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("i")), metrics.horizontalAdvance(QStringLiteral("W")))
            << font.family().toStdString() << " is not fixed-width";
        EXPECT_TRUE(metrics.inFont(QChar(0x5168))) << "no glyph for 全 in " << font.family().toStdString();
        EXPECT_EQ(editor->lineWrapMode(), QPlainTextEdit::NoWrap);
    }
}

TEST_F(Looks, EditorsAreWhiteWithBlackTextAndAHalfTransparentBlueSelection)
{
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    form.registerEditor->setPlainText(QStringLiteral("12345"));
    EXPECT_EQ(PixelOf(form.registerEditor, {form.registerEditor->width() / 2, form.registerEditor->height() / 2}),
              QColor(Qt::white));
    const QPalette palette = form.registerEditor->palette();
    EXPECT_EQ(palette.color(QPalette::Text), QColor(Qt::black));
    EXPECT_EQ(palette.color(QPalette::Highlight), QColor(0x2A, 0x96, 0xFF, 128));
}

TEST_F(Looks, ALongFileNameIsShownWithItsBeginningElided)
{
    const QString path = QStringLiteral("/home/user/a/very/long/folder/name/that/does/not/fit/program.urm");
    form.pathLabel->setText(path);
    EXPECT_EQ(form.pathLabel->text(), path) << "the label keeps the whole path";
    const QString shown = form.pathLabel->ShownText();
    EXPECT_TRUE(shown.endsWith(QStringLiteral("program.urm"))) << shown.toStdString();
    EXPECT_LT(shown.size(), path.size());
    EXPECT_LE(form.pathLabel->fontMetrics().horizontalAdvance(shown), form.pathLabel->contentsRect().width());
    EXPECT_EQ(form.programHeader->width(), 192) << "a long name does not widen the header";
    form.pathLabel->setText(QStringLiteral("New.urm"));
    EXPECT_EQ(form.pathLabel->ShownText(), QStringLiteral("New.urm"));
}

TEST_F(Looks, RunTickTimerIsA10MillisecondOneShotThatStartsOff)
{
    EXPECT_EQ(form.Run().Tick().interval(), 10);
    EXPECT_TRUE(form.Run().Tick().isSingleShot());
    EXPECT_FALSE(form.Run().Tick().isActive());
}

} // namespace
} // namespace tessivar::ui::test

namespace tessivar::ui::test {
namespace {

// The toolkit's own texts are Japanese too, and dialog buttons carry no icons.
TEST(ToolkitTexts, StandardButtonsAndEditorMenusSpeakJapanese)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("t"),
                    QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QString::fromUtf8("キャンセル"));
    EXPECT_TRUE(box.button(QMessageBox::Ok)->icon().isNull());
    EXPECT_TRUE(box.button(QMessageBox::Cancel)->icon().isNull());
    QPlainTextEdit editor;
    std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
    ASSERT_FALSE(menu->actions().isEmpty());
    EXPECT_TRUE(menu->actions().first()->text().startsWith(QString::fromUtf8("元に戻す")))
        << menu->actions().first()->text().toStdString();
}

} // namespace
} // namespace tessivar::ui::test
