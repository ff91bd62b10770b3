#include "ShownForm.h"

#include "FileChooser.h"
#include "MessageBoxWatcher.h"
#include "PathLabel.h"
#include "RecentFiles.h"
#include "TemporaryFolder.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>

#include <deque>
#include <filesystem>

namespace tessivar::ui::test {
namespace {

using tessivar::test::ListFolder;
using tessivar::test::ReadBytes;
using tessivar::test::TemporaryFolder;
using tessivar::test::WriteBytes;

// Answers the File menu's requests for a file name from a list; nothing
// (a cancelled dialog) once the list is used up.
class ListedFiles final : public FileChooser {
public:
    std::deque<std::optional<QString>> toOpen;
    std::deque<std::optional<ChosenSaveFile>> toSave;
    int asked = 0;
    std::optional<QString> FileToOpen() override { return Next(toOpen); }
    std::optional<ChosenSaveFile> FileToSave() override { return Next(toSave); }

private:
    template <typename Chosen> std::optional<Chosen> Next(std::deque<std::optional<Chosen>>& list)
    {
        ++asked;
        if (list.empty())
            return std::nullopt;
        std::optional<Chosen> next = list.front();
        list.pop_front();
        return next;
    }
};

class FileMenu : public ShownForm {
protected:
    void SetUp() override
    {
        ShownForm::SetUp();
        QTest::mouseClick(form.closeExplanationButton, Qt::LeftButton);
        auto chooser = std::make_unique<ListedFiles>();
        files = chooser.get();
        form.SetFileChooser(std::move(chooser));
    }

    QString Path(const char* name) const { return QString::fromStdString(folder.File(name)); }
    void Open(const char* name)
    {
        files->toOpen.push_back(Path(name));
        form.openAction->trigger();
    }
    void SaveAs(const QString& path, const QString& typeExtension = QStringLiteral("urm"))
    {
        files->toSave.push_back(ChosenSaveFile{path, typeExtension});
        form.saveAsAction->trigger();
    }

    TemporaryFolder folder;
    ListedFiles* files = nullptr;
};

// Each encoding is found by its mark (without one: UTF-8 when the bytes are
// valid UTF-8, else code page 932) and kept by Save, byte for byte for CR LF
// files; a final CR LF is an empty last line.
TEST_F(FileMenu, OpenAndSaveKeepEachEncodingByteForByte)
{
    const struct {
        const char* name;
        std::string bytes;
        QString text;
    } cases[] = {
        {"cp932", "S(1)\r\n/ \x95\x73\x8a\xae\x91\x53\r\n", QString::fromUtf8("S(1)\n/ 不完全\n")},
        {"unmarked-utf8", "S(1)\r\n/ \xE4\xB8\x8D\xE5\xAE\x8C\xE5\x85\xA8\r\n", QString::fromUtf8("S(1)\n/ 不完全\n")},
        {"ascii", "S(1)\r\nJ(1,2,1)", QStringLiteral("S(1)\nJ(1,2,1)")},
        {"utf8", "\xEF\xBB\xBFS(1)\r\n/ \xE4\xB8\x8D", QString::fromUtf8("S(1)\n/ 不")},
        {"utf16le", std::string("\xFF\xFES\0(\0001\0)\0", 10), QStringLiteral("S(1)")},
        {"utf16be", std::string("\xFE\xFF\0S\0(\0001\0)", 10), QStringLiteral("S(1)")},
    };
    for (const auto& c : cases) {
        WriteBytes(folder.File(c.name), c.bytes);
        Open(c.name);
        EXPECT_EQ(form.programEditor->toPlainText(), c.text) << c.name;
        EXPECT_EQ(form.pathLabel->text(), Path(c.name));
        std::filesystem::remove(folder.File(c.name));
        form.saveAction->trigger();
        EXPECT_EQ(ReadBytes(folder.File(c.name)), c.bytes) << c.name;
    }
}

TEST_F(FileMenu, LoneLineFeedsAreReadAndWrittenBackAsCrLfWithoutAFinalBreak)
{
    WriteBytes(folder.File("lf.urm"), "S(1)\nS(2)\n");
    Open("lf.urm");
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)\nS(2)"));
    form.saveAction->trigger();
    EXPECT_EQ(ReadBytes(folder.File("lf.urm")), "S(1)\r\nS(2)");
}

TEST_F(FileMenu, TheRememberedEncodingOutlivesNew)
{
    WriteBytes(folder.File("marked.urm"), "\xEF\xBB\xBFS(1)");
    Open("marked.urm");
    form.newAction->trigger();
    EXPECT_EQ(form.pathLabel->text(), QStringLiteral("New.urm"));
    EXPECT_TRUE(form.programEditor->toPlainText().isEmpty());
    form.programEditor->setPlainText(QStringLiteral("Z(1)"));
    SaveAs(Path("next"));
    EXPECT_EQ(ReadBytes(folder.File("next.urm")), "\xEF\xBB\xBFZ(1)");
}

TEST_F(FileMenu, SaveAsAppendsUrmUnlessTheNameEndsWithItInAnyCase)
{
    std::filesystem::create_directory(folder.Path() / "a.urm");
    const std::pair<const char*, const char*> cases[] = {
        {"prog", "prog.urm"},
        {"prog.URM", "prog.URM"},
        {"prog.txt", "prog.txt.urm"},
        {"a.urm/prog", "a.urm/prog.urm"},
    };
    form.programEditor->setPlainText(QStringLiteral("S(1)"));
    for (const auto& [chosen, saved] : cases) {
        SaveAs(Path(chosen));
        EXPECT_EQ(form.pathLabel->text(), Path(saved)) << chosen;
        EXPECT_EQ(ReadBytes(folder.File(saved)), "S(1)") << chosen;
    }
}

TEST_F(FileMenu, ANewProgramIsSavedAsUtf8WithoutAMark)
{
    form.programEditor->setPlainText(QString::fromUtf8("/ 不完全\nＳ(1)"));
    SaveAs(Path("new"));
    EXPECT_EQ(ReadBytes(folder.File("new.urm")), "/ \xE4\xB8\x8D\xE5\xAE\x8C\xE5\x85\xA8\r\n\xEF\xBC\xB3(1)");
}

// The question names the file that would really be replaced, ".urm" and all;
// a chosen file type's own extension is kept.
TEST_F(FileMenu, SaveAsAsksBeforeReplacingTheFileItWillWrite)
{
    WriteBytes(folder.File("foo.urm"), "Z(1)");
    form.programEditor->setPlainText(QStringLiteral("S(1)"));
    {
        MessageBoxWatcher boxes(QStringLiteral("キャンセル"));
        SaveAs(Path("foo"));
        ASSERT_EQ(boxes.Seen().size(), 1u);
        EXPECT_TRUE(boxes.Seen()[0].text.startsWith(Path("foo.urm") + QString::fromUtf8(" は既に存在します。")))
            << boxes.Seen()[0].text.toStdString();
    }
    EXPECT_EQ(ReadBytes(folder.File("foo.urm")), "Z(1)");
    EXPECT_EQ(form.pathLabel->text(), QStringLiteral("New.urm")) << "a refused replacement changes nothing";
    {
        MessageBoxWatcher boxes(QStringLiteral("置き換える"));
        SaveAs(Path("foo"));
        EXPECT_EQ(boxes.Seen().size(), 1u);
    }
    EXPECT_EQ(ReadBytes(folder.File("foo.urm")), "S(1)");
    EXPECT_EQ(form.pathLabel->text(), Path("foo.urm"));

    MessageBoxWatcher noQuestion(QStringLiteral("キャンセル"));
    SaveAs(Path("a.txt"), QStringLiteral("txt"));
    EXPECT_EQ(ReadBytes(folder.File("a.txt")), "S(1)");
    EXPECT_EQ(form.pathLabel->text(), Path("a.txt"));
    EXPECT_TRUE(noQuestion.Seen().empty()) << "a new file is written without a question";
}

TEST_F(FileMenu, SaveWithoutANameAsksForOneAndCancellingChangesNothing)
{
    form.programEditor->setPlainText(QStringLiteral("S(1)"));
    form.saveAction->trigger();
    EXPECT_EQ(files->asked, 1) << "Save of New.urm is Save As";
    EXPECT_EQ(form.pathLabel->text(), QStringLiteral("New.urm"));
    {
        MessageBoxWatcher boxes(QStringLiteral("保存しない"));
        form.openAction->trigger(); // the open dialog is cancelled
        EXPECT_EQ(boxes.Seen().size(), 1u) << "the unsaved-changes question";
    }
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)"));
    EXPECT_EQ(form.pathLabel->text(), QStringLiteral("New.urm"));
    EXPECT_TRUE(ListFolder(folder.Path()).empty());
}

TEST_F(FileMenu, FailuresAreShownAndLeaveTheStateAsTheStepBeforeLeftIt)
{
    form.programEditor->setPlainText(QStringLiteral("S(1)"));
    form.saveAction->trigger(); // cancelled: nothing saved, the program stays changed
    MessageBoxWatcher boxes(QStringLiteral("保存しない"));
    Open("missing.urm");
    ASSERT_EQ(boxes.Seen().size(), 2u) << "the question, then the error";
    EXPECT_TRUE(boxes.Seen()[1].text.startsWith(QString::fromUtf8("ファイル ") + Path("missing.urm")))
        << boxes.Seen()[1].text.toStdString();
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)"));
    EXPECT_EQ(form.pathLabel->text(), QStringLiteral("New.urm"));

    SaveAs(Path("no-such-folder/prog"));
    ASSERT_EQ(boxes.Seen().size(), 3u);
    EXPECT_TRUE(boxes.Seen()[2].text.startsWith(QString::fromUtf8("ファイル \"") + Path("no-such-folder/prog.urm")))
        << boxes.Seen()[2].text.toStdString();
    EXPECT_EQ(form.pathLabel->text(), Path("no-such-folder/prog.urm")) << "Save As has set the name already";
}

// Unsaved work is never dropped without a question; nothing is asked when
// nothing changed.
TEST_F(FileMenu, ChangedProgramsAreOnlyReplacedAfterTheUserSaysSo)
{
    {
        MessageBoxWatcher boxes;
        form.newAction->trigger();
        EXPECT_TRUE(boxes.Seen().empty()) << "the design's program counts as unchanged";
    }
    EXPECT_FALSE(form.isWindowModified());
    form.programEditor->setPlainText(QStringLiteral("S(1)"));
    EXPECT_TRUE(form.isWindowModified());
    {
        MessageBoxWatcher boxes(QStringLiteral("キャンセル"));
        form.newAction->trigger();
        EXPECT_EQ(boxes.Seen().size(), 1u);
        EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)"));
    }
    {
        files->toSave.push_back(ChosenSaveFile{Path("kept")});
        MessageBoxWatcher boxes(QStringLiteral("保存する"));
        form.newAction->trigger();
        EXPECT_EQ(ReadBytes(folder.File("kept.urm")), "S(1)");
        EXPECT_TRUE(form.programEditor->toPlainText().isEmpty());
    }
    form.programEditor->setPlainText(QStringLiteral("S(2)"));
    {
        MessageBoxWatcher boxes(QStringLiteral("保存しない"));
        form.close();
        EXPECT_EQ(boxes.Seen().size(), 1u);
        EXPECT_FALSE(form.isVisible());
    }
}

TEST_F(FileMenu, ItemsCarryTheStandardShortcuts)
{
    const std::pair<QAction*, const char*> items[] = {{form.newAction, "Ctrl+N"},
                                                      {form.openAction, "Ctrl+O"},
                                                      {form.saveAction, "Ctrl+S"},
                                                      {form.saveAsAction, "Ctrl+Shift+S"}};
    for (const auto& [item, keys] : items)
        EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromUtf8(keys))) << item->text().toStdString();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    form.programEditor->setFocus();
    form.programEditor->setPlainText(QStringLiteral("S(1)"));
    files->toSave.push_back(ChosenSaveFile{Path("by-key")});
    QTest::keyClick(form.programEditor, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ReadBytes(folder.File("by-key.urm")), "S(1)") << "Ctrl+S works from the editor";
}

TEST_F(FileMenu, TheTitleNamesTheFileAndTheApplication)
{
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("New.urm[*] — Tessivar"));
    WriteBytes(folder.File("prog.urm"), "S(1)");
    Open("prog.urm");
    EXPECT_EQ(form.windowTitle(), QString::fromUtf8("prog.urm[*] — Tessivar"));
    EXPECT_FALSE(form.isWindowModified());
}

// A file named on the command line relative to the working folder is shown
// with its full path, as the Open dialog gives it.
TEST_F(FileMenu, ARelativePathIsShownInFull)
{
    WriteBytes(folder.File("prog.urm"), "S(1)");
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.Path());
    form.OpenProgramFile(QStringLiteral("prog.urm"));
    std::filesystem::current_path(before);
    EXPECT_EQ(form.pathLabel->text(), QString::fromStdString(folder.File("prog.urm")));
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)"));
}

// New or Open during a run empties the program: the step in flight ends, and
// so does the run.
TEST_F(FileMenu, NewDuringARunEndsTheRunAfterTheStepInFlight)
{
    form.registerEditor->setPlainText(QStringLiteral("0"));
    form.programEditor->setPlainText(QStringLiteral("S(1)\nS(1)\nS(1)"));
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    form.speedSlider->SetValue(4);
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.Scene().ListingScroll->Running(); }));
    {
        MessageBoxWatcher boxes(QStringLiteral("保存しない"));
        form.newAction->trigger();
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.runButton->text() == QStringLiteral("実行"); }, 3000));
    QTest::qWait(100);
    EXPECT_TRUE(form.stepButton->isEnabled());
    EXPECT_FALSE(form.Run().Tick().isActive());
    EXPECT_EQ(form.MachineState().pc, 1);
}

class exampleMenu : public FileMenu {
protected:
    QAction* Example(const char* title) const
    {
        for (QAction* action : form.exampleMenu->actions())
            if (action->text() == QString::fromUtf8(title))
                return action;
        ADD_FAILURE() << "no example " << title;
        return nullptr;
    }

    // The example as installed beside the test, bytes and all.
    static std::string InstalledBytes(const char* name)
    {
        return ReadBytes((QCoreApplication::applicationDirPath() + QStringLiteral("/examples/")).toStdString() + name);
    }
};

TEST_F(exampleMenu, OffersEveryExampleByItsTitleInFileNameOrder)
{
    const QList<QAction*> examples = form.exampleMenu->actions();
    ASSERT_EQ(examples.size(), 12);
    EXPECT_EQ(examples.front()->text(), QString::fromUtf8("足し算"));
    EXPECT_EQ(examples.back()->text(), QString::fromUtf8("エディタの見本 (R(1) から 1 を引く)"));
    EXPECT_TRUE(form.exampleMenu->isEnabled());
}

// The example comes in as a new program: both editors filled, no file name,
// nothing to save yet, and Save asks for a name instead of writing the
// installed file. Its example input gives the result its header promises.
TEST_F(exampleMenu, OpeningAnExampleFillsBothEditorsAsANewProgram)
{
    const std::string installed = InstalledBytes("03-multiplication.urm");
    {
        MessageBoxWatcher boxes;
        Example("掛け算")->trigger();
        EXPECT_TRUE(boxes.Seen().empty()) << "the design's program is unchanged: nothing to ask";
    }
    EXPECT_EQ("\xEF\xBB\xBF" + form.programEditor->toPlainText().toStdString() + "\n", installed);
    EXPECT_EQ(form.registerEditor->toPlainText(), QStringLiteral("3\n4"));
    EXPECT_EQ(form.pathLabel->text(), QStringLiteral("New.urm"));
    EXPECT_FALSE(form.isWindowModified());

    TopSpeed();
    QTest::mouseClick(form.setButton, Qt::LeftButton);
    QTest::mouseClick(form.runButton, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.runButton->text() == QStringLiteral("実行"); }, 5000));
    EXPECT_EQ(form.MachineState().registers[0], 12);

    form.saveAction->trigger();
    EXPECT_EQ(files->asked, 1) << "Save asked for a name";
    EXPECT_EQ(InstalledBytes("03-multiplication.urm"), installed);
}

TEST_F(exampleMenu, UnsavedChangesAreOnlyReplacedAfterTheUserSaysSo)
{
    form.programEditor->setPlainText(QStringLiteral("S(1)"));
    {
        MessageBoxWatcher boxes(QStringLiteral("キャンセル"));
        Example("足し算")->trigger();
        EXPECT_EQ(boxes.Seen().size(), 1u);
    }
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)"));
    EXPECT_TRUE(form.registerEditor->toPlainText().isEmpty());
    {
        MessageBoxWatcher boxes(QStringLiteral("保存しない"));
        Example("足し算")->trigger();
        EXPECT_EQ(boxes.Seen().size(), 1u);
    }
    EXPECT_TRUE(form.programEditor->toPlainText().startsWith(QString::fromUtf8("/ 足し算\n")));
    EXPECT_EQ(form.registerEditor->toPlainText(), QStringLiteral("3\n4"));
}

class RecentFilesMenu : public FileMenu {
protected:
    void SetUp() override
    {
        FileMenu::SetUp();
        QSettings().clear();
    }

    // Two files opened in turn, then the program edited: the second file is
    // first in the list.
    void OpenBothAndEdit(const char* first, const char* second)
    {
        WriteBytes(folder.File(first), "S(1)");
        WriteBytes(folder.File(second), "Z(2)");
        Open(first);
        Open(second);
        form.programEditor->setPlainText(QStringLiteral("T(1,2)"));
    }

    // The menu as the user finds it on opening the File menu.
    QList<QAction*> Shown()
    {
        emit form.fileMenu->aboutToShow();
        return form.recentFilesMenu->actions();
    }
};

// Opened and saved files go first, once each, up to eight, numbered for the
// keyboard; the list outlives the window.
TEST_F(RecentFilesMenu, KeepsTheLastEightFilesOpenedOrSavedNewestFirst)
{
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_FALSE(form.recentFilesMenu->isEnabled());
    for (int index = 1; index <= 10; ++index) {
        WriteBytes(folder.File(std::to_string(index) + ".urm"), "S(" + std::to_string(index) + ")");
        Open((std::to_string(index) + ".urm").c_str());
    }
    Open("5.urm");
    SaveAs(Path("saved.urm"));
    const QStringList expected = {Path("saved.urm"), Path("5.urm"), Path("10.urm"), Path("9.urm"),
                                  Path("8.urm"),     Path("7.urm"), Path("6.urm"),  Path("4.urm")};
    EXPECT_EQ(RecentFiles(), expected);
    const QList<QAction*> shown = Shown();
    ASSERT_EQ(shown.size(), 8);
    EXPECT_TRUE(form.recentFilesMenu->isEnabled());
    EXPECT_EQ(shown[1]->text(), QStringLiteral("&2 ") + Path("5.urm"));

    MainWindow another;
    emit another.fileMenu->aboutToShow();
    EXPECT_EQ(another.recentFilesMenu->actions().size(), 8);
}

TEST_F(RecentFilesMenu, ChoosingOneOpensItAfterTheUnsavedChangesQuestion)
{
    OpenBothAndEdit("first.urm", "second.urm");
    {
        MessageBoxWatcher boxes(QStringLiteral("キャンセル"));
        Shown()[1]->trigger();
        EXPECT_EQ(boxes.Seen().size(), 1u);
    }
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("T(1,2)"));
    {
        MessageBoxWatcher boxes(QStringLiteral("保存しない"));
        Shown()[1]->trigger();
        EXPECT_EQ(boxes.Seen().size(), 1u);
    }
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("S(1)"));
    EXPECT_EQ(form.pathLabel->text(), Path("first.urm"));
    EXPECT_EQ(RecentFiles().first(), Path("first.urm"));
}

// A file gone since is said to be gone and dropped, before any question,
// and the program in the editor stays.
TEST_F(RecentFilesMenu, AFileThatNoLongerExistsIsDroppedWithAMessage)
{
    OpenBothAndEdit("kept.urm", "gone.urm");
    std::filesystem::remove(folder.File("gone.urm"));
    {
        MessageBoxWatcher boxes;
        Shown()[0]->trigger();
        ASSERT_EQ(boxes.Seen().size(), 1u);
        EXPECT_TRUE(boxes.Seen()[0].text.contains(Path("gone.urm"))) << boxes.Seen()[0].text.toStdString();
    }
    EXPECT_EQ(RecentFiles(), QStringList{Path("kept.urm")});
    EXPECT_EQ(Shown().size(), 1);
    EXPECT_EQ(form.programEditor->toPlainText(), QStringLiteral("T(1,2)"));
}

} // namespace
} // namespace tessivar::ui::test
