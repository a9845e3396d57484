#include "app/recent_files.h"

#include <QFileInfo>
#include <QSettings>

#include "app/maker.h"

namespace app {

namespace {

const QString kKey = QStringLiteral("recentFiles");

QSettings settings()
{
    return QSettings(QSettings::UserScope, QString::fromUtf8(maker::kSiteName), QString::fromUtf8(maker::kProgramName));
}

QStringList store(QStringList files)
{
    files.removeDuplicates();
    while (files.size() > kRecentFileCount) files.removeLast();
    settings().setValue(kKey, files);
    return files;
}

}  // namespace

QStringList recentFiles()
{
    QStringList files = settings().value(kKey).toStringList();
    files.removeAll(QString());
    while (files.size() > kRecentFileCount) files.removeLast();
    return files;
}

QStringList rememberRecentFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(absolute);
    files.prepend(absolute);
    return store(files);
}

QStringList forgetRecentFile(const QString& path)
{
    QStringList files = recentFiles();
    files.removeAll(QFileInfo(path).absoluteFilePath());
    return store(files);
}

}  // namespace app
