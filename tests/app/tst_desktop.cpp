#include "AppFolders.h"
#include "ColourButton.h"
#include "TestFiles.h"
#include "TestFolder.h"
#include "frmGlavna.h"

#include <QStandardPaths>
#include <QtTest>

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // A screen reader hears each counter with its caption and value; every picture has a name.
    void controlsHaveAccessibleNames()
    {
        TestFolder t;
        t.writeArchive();
        frmGlavna w(t.folders());
        w.cmdLingvar->click();
        w.cmdDalje->click();
        w.cmdOdgovor[w.game().correctPosition()]->click();
        QCOMPARE(w.lblBrTacO->accessibleName(), QStringLiteral("Тачни одговори: 1"));
        QCOMPARE(w.lblBrCrVr->accessibleName(), QStringLiteral("Црвено време: 1"));
        for (QLabel *image : {w.imgNaKantaru, w.imgMudrica, w.imgSlika, w.imgOpan[1]})
            QVERIFY(!image->accessibleName().isEmpty());
    }

    void writtenFilesGoToTheUserWhenTheProgramFolderIsReadOnly()
    {
        QTemporaryDir dir;
        const AppFolders own = LocateAppFolders(dir.path());
        QCOMPARE(own.writeFolder, own.dataFolder);
        // a folder that cannot take a file even for root: one below a plain file
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        const QString readOnly = dir.filePath("file/lingvar");
        const AppFolders installed = LocateAppFolders(readOnly);
        QCOMPARE(QString::fromStdString(installed.dataFolder.string()), readOnly);
        QCOMPARE(QString::fromStdString(installed.writeFolder.string()),
                 QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
        QVERIFY(QFileInfo(QString::fromStdString(installed.writeFolder.string())).isDir());

        // A copied folder whose bank is in capitals is no installed copy, even beside a share/.
        QVERIFY(QDir(dir.path()).mkpath("share/lingvar") && QDir(dir.path()).mkpath("copy"));
        QVERIFY(writeFile(dir.filePath("copy/PITANJA.DAT"), "**"));
        const AppFolders copied = LocateAppFolders(dir.filePath("copy"));
        QCOMPARE(QString::fromStdString(copied.dataFolder.string()), dir.filePath("copy"));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
