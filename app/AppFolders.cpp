#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool isWritable(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.lingvar-XXXXXX"));
    return probe.open();
}

} // namespace

AppFolders LocateAppFolders()
{
    return LocateAppFolders(QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

AppFolders LocateAppFolders(const QString &ownFolder)
{
    QString write = ownFolder;
    if (!isWritable(ownFolder)) {
        write = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(write);
    }
    return AppFolders{ownFolder.toStdString(), write.toStdString()};
}
