#pragma once

#include <QString>
#include <QStringList>

namespace tessivar::ui {

// The program files opened or saved last, newest first, remembered across
// starts in the application's settings.
inline constexpr qsizetype kMostRecentFiles = 8;

QStringList RecentFiles();

// `path` goes first, once; the oldest beyond the limit is forgotten.
void RememberRecentFile(const QString& path);

void ForgetRecentFile(const QString& path);

} // namespace tessivar::ui
