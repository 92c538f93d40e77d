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
    const QString own = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    QString write = own;
    if (!isWritable(own)) {
        write = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(write);
    }
    return AppFolders{own.toStdString(), write.toStdString()};
}
