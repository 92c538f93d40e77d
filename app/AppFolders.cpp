#include "AppFolders.h"

#include "FileNames.h"
#include "QuestionBank.h"
#include "ScoreList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool isWritable(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.lingvar-XXXXXX"));
    return probe.open();
}

bool holdsBank(const QString &folder)
{
    return QFileInfo::exists(
        QString::fromStdString(FileInFolder(folder.toStdString(), kBankFileName).string()));
}

} // namespace

AppFolders LocateAppFolders()
{
    return LocateAppFolders(QDir(QCoreApplication::applicationDirPath()).canonicalPath());
}

AppFolders LocateAppFolders(const QString &ownFolder)
{
    // An installed copy has the program in bin/ and its data in share/lingvar/. That folder is
    // the system's, shared by every user, so nothing is written there, not even by root.
    const QString shared = QDir::cleanPath(ownFolder + QStringLiteral("/../share/lingvar"));
    // An installed copy whose bank went missing still names the bank's place in its message.
    const bool installed = !holdsBank(ownFolder) && QFileInfo(shared).isDir();
    const QString data = installed ? shared : ownFolder;
    QString write = data;
    if (installed || !isWritable(data)) {
        write = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QDir().mkpath(write);
        // A list that came with the program, or one left in a folder shared read-only, is
        // where this player's own list starts.
        SeedScoreList(data.toStdString(), write.toStdString());
    }
    return AppFolders{data.toStdString(), write.toStdString()};
}
