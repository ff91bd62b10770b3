#include "FileDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include <algorithm>

namespace tessivar::ui {

namespace {

QFileDialog* CreateProgramDialog(QWidget* parent, QFileDialog::AcceptMode mode)
{
    auto* dialog = new QFileDialog(parent);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (mode == QFileDialog::AcceptSave)
        dialog->setOption(QFileDialog::DontConfirmOverwrite);
    ShowProgramFilters(*dialog);
    return dialog;
}

} // namespace

QString ProgramFileFilter()
{
    return QCoreApplication::translate("FileDialogs", "URM Program|*.urm|テキストファイル|*.txt|すべてのファイル|*.*");
}

void ShowProgramFilters(QFileDialog& dialog)
{
    const qsizetype selected = std::max<qsizetype>(0, dialog.nameFilters().indexOf(dialog.selectedNameFilter()));
    const QStringList filters = QtNameFilters(ProgramFileFilter());
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(selected, filters.first()));
}

QStringList QtNameFilters(const QString& barSeparatedFilter)
{
    const QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}

QString FilterExtension(const QString& nameFilter)
{
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const QString firstPattern = nameFilter.mid(open + 1).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')'));
    return firstPattern.section(QLatin1Char('.'), 1);
}

QFileDialog* CreateOpenDialog(QWidget* parent)
{
    return CreateProgramDialog(parent, QFileDialog::AcceptOpen);
}

QFileDialog* CreateSaveDialog(QWidget* parent)
{
    return CreateProgramDialog(parent, QFileDialog::AcceptSave);
}

} // namespace tessivar::ui
