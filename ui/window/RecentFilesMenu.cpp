// "最近使ったファイル" in the File menu: the files opened or saved last, one
// action each, read anew whenever the File menu opens, so that what another
// window opened shows too.
#include "MainWindow.h"

#include "ProgramDocument.h"
#include "RecentFiles.h"

#include <QAction>
#include <QDir>
#include <QMenu>

namespace tessivar::ui {

void MainWindow::CreateRecentFilesMenu()
{
    recentFilesMenu = new QMenu(fileMenu);
    fileMenu->insertMenu(saveAction, recentFilesMenu);
    connect(fileMenu, &QMenu::aboutToShow, this, &MainWindow::ShowRecentFiles);
    connect(document_, &ProgramDocument::RecentFileForgotten, this, &MainWindow::ShowRecentFiles);
    ShowRecentFiles();
}

void MainWindow::ShowRecentFiles()
{
    recentFilesMenu->clear();
    const QStringList paths = RecentFiles();
    for (qsizetype index = 0; index < paths.size(); ++index) {
        const QString& path = paths[index];
        // "&1" to "&8": the number is the key in the open menu.
        QAction* action = recentFilesMenu->addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(
            QDir::toNativeSeparators(path).replace(QLatin1Char('&'), QStringLiteral("&&"))));
        connect(action, &QAction::triggered, document_, [this, path] { document_->OpenRecentFile(path); });
    }
    recentFilesMenu->setEnabled(!paths.isEmpty());
}

} // namespace tessivar::ui
