#include "ShownForm.h"

#include "MessageBoxWatcher.h"
#include "PathLabel.h"
#include "TemporaryFolder.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace tessivar::ui::test {
namespace {

using tessivar::test::ReadBytes;
using tessivar::test::TemporaryFolder;
using tessivar::test::WriteBytes;

// While alive, types `path` into the name field of the next file dialog that
// opens and accepts it, as its Open or Save button does (a key press could land
// in the name's completion list instead). The field is written directly:
// QFileDialog::selectFile leaves it alone once it has the keyboard focus.
class FileDialogAnswer {
public:
    explicit FileDialogAnswer(QString path) : path_(std::move(path))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start();
    }
    bool Answered() const { return answered_; }

private:
    // A dialog still open a second after the answer is cancelled, so that the
    // test fails instead of waiting for ever.
    void Answer()
    {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return;
        if (answered_) {
            if (++ticksSinceAnswer_ > 100)
                dialog->reject();
            return;
        }
        auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (nameField == nullptr)
            return;
        answered_ = true;
        nameField->setText(path_);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    }

    QString path_;
    QTimer timer_;
    bool answered_ = false;
    int ticksSinceAnswer_ = 0;
};

using FileDialogsEndToEnd = ShownForm;

// As "tessivar FILE" starts: a code page 932 file with a Japanese comment is
// opened, set and run; Save As through its dialog writes the same bytes under
// the new name with ".urm" added; Open through its dialog reads UTF-8 with a mark.
TEST_F(FileDialogsEndToEnd, OpenRunSaveAsAndOpenThroughTheRealDialogs)
{
    const TemporaryFolder folder;
    const std::string sjis = "S(1)\r\n/ \x95\x73\x8a\xae\x91\x53";
    WriteBytes(folder.File("start.urm"), sjis);
    form.OpenProgramFile(QString::fromStdString(folder.File("start.urm")));
    QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
    EXPECT_EQ(form.programEditor->toPlainText(), QString::fromUtf8("S(1)\n/ 不完全"));

    form.registerEditor->setPlainText(QStringLiteral("4"));
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    TopSpeed();
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.MachineState().CanContinue() && form.stepButton->isEnabled(); }));
    EXPECT_EQ(form.registerEditor->toPlainText(), QStringLiteral("5"));

    {
        FileDialogAnswer answer(QString::fromStdString(folder.File("copy")));
        form.saveAsAction->trigger();
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(form.pathLabel->text(), QString::fromStdString(folder.File("copy.urm")));
    EXPECT_EQ(ReadBytes(folder.File("copy.urm")), sjis);

    // Typed with or without ".urm", the one question about replacing names the
    // file that is written.
    for (const char* typed : {"copy", "copy.urm"}) {
        form.programEditor->setPlainText(QString::fromLatin1(typed));
        MessageBoxWatcher boxes(QString::fromUtf8("置き換える"));
        FileDialogAnswer answer(QString::fromStdString(folder.File(typed)));
        form.saveAsAction->trigger();
        EXPECT_TRUE(answer.Answered());
        ASSERT_EQ(boxes.Seen().size(), 1u) << typed;
        EXPECT_TRUE(boxes.Seen()[0].text.startsWith(QString::fromStdString(folder.File("copy.urm"))))
            << boxes.Seen()[0].text.toStdString();
        EXPECT_EQ(ReadBytes(folder.File("copy.urm")), typed);
    }

    WriteBytes(folder.File("marked.urm"), "\xEF\xBB\xBFZ(2)\r\n/ \xE4\xB8\x8D");
    {
        FileDialogAnswer answer(QString::fromStdString(folder.File("marked.urm")));
        form.openAction->trigger();
        EXPECT_TRUE(answer.Answered());
    }
    EXPECT_EQ(form.programEditor->toPlainText(), QString::fromUtf8("Z(2)\n/ 不"));
    EXPECT_TRUE(form.MachineState().program.empty()) << "Open empties the program list";
}

} // namespace
} // namespace tessivar::ui::test
