#include "PictureArchive.h"
#include "TestFiles.h"

#include <QtTest>

class TestPictureArchive : public QObject
{
    Q_OBJECT
private slots:
    void readsAnEntryByItsFixedColumns()
    {
        QCOMPARE(ReadPictureEntry("0004456  3834").offset, 4456);
        QCOMPARE(ReadPictureEntry("000000112345").length, 12345); // the length has five columns
    }

    void copiesOnePictureOrFailsLeavingTheWorkingFile_data()
    {
        QTest::addColumn<int>("archiveSize"); // 0: no archive
        QTest::addColumn<int>("earlier"); // the question whose picture t.gif holds; -1: a folder
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("first"); // the bytes of the archive copied, counted from 1
        QTest::addColumn<int>("last");
        QTest::addColumn<QString>("failure"); // what the reason mentions when there is one
        QTest::addColumn<bool>("capitals");   // SLIKE.DAT and T.GIF, from a disk blind to case
        const int full = kPictureArchiveSize;
        QTest::newRow("question 1, archive just that long")
            << 4455 << 0 << 1 << 1 << 4455 << "" << false;
        QTest::newRow("question 39 ends the archive")
            << full << 0 << 39 << 161663 << full << "" << false;
        QTest::newRow("question 24 after 39") << full << 39 << 24 << 97836 << 101624 << "" << false;
        QTest::newRow("missing archive") << 0 << 0 << 1 << 0 << 0 << "Slike.dat" << false;
        QTest::newRow("archive one byte short")
            << full - 1 << 0 << 39 << 0 << 0 << "166689" << false;
        QTest::newRow("question without a picture") << full << 0 << 40 << 0 << 0 << "140" << false;
        QTest::newRow("names in capitals") << full << 0 << 24 << 97836 << 101624 << "" << true;
        QTest::newRow("t.gif cannot be written") << full << -1 << 1 << 0 << 0 << "t.gif" << false;
    }
    void copiesOnePictureOrFailsLeavingTheWorkingFile()
    {
        QFETCH(int, archiveSize);
        QFETCH(int, earlier);
        QFETCH(int, question);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QString, failure);
        QFETCH(bool, capitals);
        // The archive lies in the program's folder, t.gif is written to the player's.
        QTemporaryDir dir;
        const QString program = dir.filePath("program"), user = dir.filePath("user");
        const QString picture = user + (capitals ? "/T.GIF" : "/t.gif");
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(user));
        // What the main screen does for a picture question: cut the picture out, then keep it
        // in t.gif. Empty when both worked, the reason of the first failure otherwise.
        auto extract = [&](int question) {
            const auto n = static_cast<std::int16_t>(question);
            const PictureResult cut = ReadPicture(program.toStdString(), n);
            return cut.bytes.empty() ? cut.reason
                                     : WritePictureFile(user.toStdString(), cut.bytes, n);
        };
        // Every byte tells its position apart from its neighbours and from the bytes one picture
        // further on, so a copy from the wrong offset or of the wrong length shows.
        QByteArray archive(archiveSize, '\0');
        for (int p = 1; p <= archiveSize; ++p)
            archive[p - 1] = static_cast<char>((p * 7 + p / 251) % 256);
        QVERIFY(archiveSize == 0 ||
                writeFile(program + (capitals ? "/SLIKE.DAT" : "/Slike.dat"), archive));
        if (earlier > 0)
            QVERIFY(extract(earlier).empty());
        else
            QVERIFY(earlier < 0 ? QDir().mkdir(picture) : writeFile(picture, "earlier"));
        const QByteArray before = readFile(picture);

        const QString reason = QString::fromStdString(extract(question));
        QCOMPARE(reason.isEmpty(), failure.isEmpty());
        QVERIFY2(reason.contains(failure) && (failure.isEmpty() || reason.contains("picture")),
                 qPrintable(reason));
        QCOMPARE(readFile(picture),
                 reason.isEmpty() ? archive.mid(first - 1, last - first + 1) : before);
        QCOMPARE(QFileInfo(picture).isDir(), earlier < 0);
        // Nothing else is left behind, in either folder.
        QCOMPARE(QDir(user).entryList(QDir::Files).size(), earlier < 0 ? 0 : 1);
        QVERIFY(!QFile::exists(program + "/t.gif"));
    }
};

QTEST_GUILESS_MAIN(TestPictureArchive)
#include "tst_picturearchive.moc"
