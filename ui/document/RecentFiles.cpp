#include "RecentFiles.h"

#include <QSettings>

namespace tessivar::ui {

namespace {

const QString RecentFilesKey = QStringLiteral("recentFiles");

void Keep(QStringList paths)
{
    paths.removeAll(QString());
    paths.removeDuplicates();
    QSettings().setValue(RecentFilesKey, paths.mid(0, kMostRecentFiles));
}

} // namespace

QStringList RecentFiles()
{
    return QSettings().value(RecentFilesKey).toStringList().mid(0, kMostRecentFiles);
}

void RememberRecentFile(const QString& path)
{
    QStringList paths = RecentFiles();
    paths.prepend(path);
    Keep(paths);
}

void ForgetRecentFile(const QString& path)
{
    QStringList paths = RecentFiles();
    paths.removeAll(path);
    Keep(paths);
}

} // namespace tessivar::ui
