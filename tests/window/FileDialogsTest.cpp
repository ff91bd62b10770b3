#include "FileDialogs.h"

#include <QFileDialog>
#include <gtest/gtest.h>

#include <memory>

namespace tessivar::ui {
namespace {

TEST(FileDialogs, BarSeparatedFiltersBecomeQtNameFilters)
{
    const std::pair<QString, QStringList> cases[] = {
        {ProgramFileFilter(),
         {QStringLiteral("URM Program (*.urm)"), QString::fromUtf8("テキストファイル (*.txt)"),
          QString::fromUtf8("すべてのファイル (*.*)")}},
        {QStringLiteral("Both|*.urm;*.txt"), {QStringLiteral("Both (*.urm *.txt)")}},
        {QStringLiteral("Name only"), {}},
        {QString(), {}},
    };
    for (const auto& [filter, expected] : cases)
        EXPECT_EQ(QtNameFilters(filter), expected) << filter.toStdString();
}

TEST(FileDialogs, OpenAndSaveDialogsOfferTheProgramFilterFirstEntrySelected)
{
    const std::unique_ptr<QFileDialog> open(CreateOpenDialog(nullptr));
    const std::unique_ptr<QFileDialog> save(CreateSaveDialog(nullptr));
    EXPECT_EQ(open->acceptMode(), QFileDialog::AcceptOpen);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    for (const QFileDialog* dialog : {open.get(), save.get()}) {
        EXPECT_EQ(dialog->nameFilters(), QtNameFilters(ProgramFileFilter()));
        EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("URM Program (*.urm)"));
        EXPECT_TRUE(dialog->defaultSuffix().isEmpty());
    }
}

} // namespace
} // namespace tessivar::ui
