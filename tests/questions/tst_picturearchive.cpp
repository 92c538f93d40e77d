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
        QTest::addColumn<QByteArray>("archive"); // null: none
        QTest::addColumn<int>("question");
        QTest::addColumn<QByteArray>("picture");
        QTest::addColumn<QString>("failure"); // what the reason mentions when there is one
        QTest::addColumn<bool>("capitals");   // SLIKE.DAT and T.GIF, from a disk blind to case
        // Every byte tells its position apart from its neighbours and from the bytes one picture
        // further on, so a copy from the wrong offset or of the wrong length shows.
        QByteArray all(kPictureArchiveSize, '\0');
        for (int p = 1; p <= all.size(); ++p)
            all[p - 1] = static_cast<char>((p * 7 + p / 251) % 256);
        const QByteArray none;
        QTest::newRow("question 1, archive just that long")
            << all.left(4455) << 1 << all.left(4455) << "" << false;
        QTest::newRow("question 39 ends the archive")
            << all << 39 << all.mid(161662) << "" << false;
        QTest::newRow("names in capitals") << all << 24 << all.mid(97835, 3789) << "" << true;
        QTest::newRow("missing archive") << none << 1 << none << "Slike.dat" << false;
        QTest::newRow("archive one byte short")
            << all.chopped(1) << 39 << none << "166689" << false;
        QTest::newRow("question without a picture") << all << 40 << none << "140" << false;
        QTest::newRow("t.gif cannot be written") << all << 1 << none << "t.gif" << false;
    }
    void copiesOnePictureOrFailsLeavingTheWorkingFile()
    {
        QFETCH(QByteArray, archive);
        QFETCH(int, question);
        QFETCH(QByteArray, picture);
        QFETCH(QString, failure);
        QFETCH(bool, capitals);
        // The archive lies in the program's folder, t.gif is written to the player's; there it
        // holds a longer earlier picture, or is a folder where it cannot be written.
        QTemporaryDir dir;
        const QString program = dir.filePath("program"), user = dir.filePath("user");
        const QString gif = user + (capitals ? "/T.GIF" : "/t.gif");
        const bool folder = failure == "t.gif";
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(user));
        QVERIFY(archive.isNull() ||
                writeFile(program + (capitals ? "/SLIKE.DAT" : "/Slike.dat"), archive));
        QVERIFY(folder ? QDir().mkdir(gif) : writeFile(gif, QByteArray(6000, 'e')));
        const QByteArray before = readFile(gif);

        // What the main screen does for a picture question: cut the picture out, then keep it.
        const auto n = static_cast<std::int16_t>(question);
        const PictureResult cut = ReadPicture(program.toStdString(), n);
        const QString reason = QString::fromStdString(
            cut.bytes.empty() ? cut.reason : WritePictureFile(user.toStdString(), cut.bytes, n));
        QVERIFY2(failure.isEmpty() ? reason.isEmpty()
                                   : reason.contains(failure) && reason.contains("picture"),
                 qPrintable(reason));
        QCOMPARE(readFile(gif), reason.isEmpty() ? picture : before);
        QCOMPARE(QFileInfo(gif).isDir(), folder);
        // Nothing else is left behind, in either folder.
        QCOMPARE(QDir(user).entryList(QDir::Files).size(), folder ? 0 : 1);
        QVERIFY(!QFile::exists(program + "/t.gif"));
    }
};

QTEST_GUILESS_MAIN(TestPictureArchive)
#include "tst_picturearchive.moc"
