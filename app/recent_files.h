#pragma once
// The pile files used last, newest first, at most five, kept in the user's
// settings between runs.
#include <QStringList>

namespace app {

inline constexpr int kRecentFileCount = 5;

QStringList recentFiles();
// `path` moved to the front (added when new); the list as it now stands.
QStringList rememberRecentFile(const QString& path);
QStringList forgetRecentFile(const QString& path);

}  // namespace app
