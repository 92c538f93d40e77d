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

    // A screen reader hears each answer with its letter, and each counter with its caption.
    void controlsHaveAccessibleNames()
    {
        TestFolder t;
        t.writeArchive();
        frmGlavna w(t.folders());
        w.cmdLingvar->click();
        for (QLabel *counter : {w.lblBrTacO, w.lblBrNetO, w.lblBrBezO, w.lblBrCrVr})
            QVERIFY(counter->accessibleName().endsWith(QStringLiteral(": 0")));
        QCOMPARE(w.lblBrTacO->accessibleName(), QStringLiteral("Тачни одговори: 0"));
        w.cmdDalje->click();
        w.cmdOdgovor[w.game().correctPosition()]->click();
        QCOMPARE(w.lblBrTacO->accessibleName(), QStringLiteral("Тачни одговори: 1"));
        QCOMPARE(w.lblBrCrVr->accessibleName(), QStringLiteral("Црвено време: 1"));
        for (int r = 1; r <= 2; ++r) {
            const QString name = w.cmdOdgovor[r]->accessibleName();
            QCOMPARE(name, w.cmdOdgovor[r]->text() + ": " + w.lblOdgovor[r]->text().trimmed());
        }
        for (QWidget *image :
             {static_cast<QWidget *>(w.imgNaKantaru), static_cast<QWidget *>(w.imgMudrica),
              static_cast<QWidget *>(w.imgSlika), static_cast<QWidget *>(w.imgOpan[1])})
            QVERIFY(!image->accessibleName().isEmpty());
    }

    void writtenFilesGoToTheUserWhenTheProgramFolderIsReadOnly()
    {
        QTemporaryDir dir;
        const AppFolders own = LocateAppFolders(dir.path());
        QCOMPARE(own.writeFolder, own.dataFolder);
        // a folder that cannot take a file: tests run as root, for whom permission bits do not
        // count, so the folder is one that does not exist under a plain file
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
