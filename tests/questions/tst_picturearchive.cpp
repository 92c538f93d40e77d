#include "PictureArchive.h"
#include "TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// An archive whose every byte tells its position apart from its neighbours and from the bytes
// one picture further on, so a copy from the wrong offset or of the wrong length shows.
QByteArray patternArchive(qint64 size)
{
    QByteArray bytes(size, '\0');
    for (qint64 p = 1; p <= size; ++p)
        bytes[p - 1] = static_cast<char>((p * 7 + p / 251) % 256);
    return bytes;
}

} // namespace

// The archive lies in the program's folder, t.gif is written to the player's.
class TestPictureArchive : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_archive = m_dir.filePath("program/Slike.dat");
    QString m_picture = m_dir.filePath("user/t.gif");

    // What the main screen does for a picture question: cut the picture out, then keep it in
    // t.gif. ok when both worked; the reason of the first failure otherwise.
    struct Extracted
    {
        bool ok;
        std::string reason;
    };
    Extracted extract(int question)
    {
        const auto n = static_cast<std::int16_t>(question);
        const PictureResult cut = ReadPicture(m_dir.filePath("program").toStdString(), n);
        if (cut.bytes.empty())
            return {false, cut.reason};
        const std::string reason =
            WritePictureFile(m_dir.filePath("user").toStdString(), cut.bytes, n);
        return {reason.empty(), reason};
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_dir.filePath("program")) && QDir().mkpath(m_dir.filePath("user")));
    }

    void readsAnEntryByItsFixedColumns()
    {
        const PicturePlace place = ReadPictureEntry("0004456  3834");
        QCOMPARE(place.offset, 4456);
        QCOMPARE(place.length, 3834);
        QCOMPARE(ReadPictureEntry("000000112345").length, 12345); // the length has five columns
    }

    void copiesOnePictureOrFailsLeavingTheWorkingFile_data()
    {
        QTest::addColumn<qint64>("archiveSize"); // 0: no archive
        QTest::addColumn<int>("earlier"); // the question whose picture t.gif holds; -1: a folder
        QTest::addColumn<int>("question");
        QTest::addColumn<qint64>("first"); // the bytes of the archive copied, counted from 1
        QTest::addColumn<qint64>("last");
        QTest::addColumn<QString>("failure"); // what the reason mentions when there is one
        const qint64 full = kPictureArchiveSize;
        QTest::newRow("question 1 from an archive just that long")
            << 4455LL << 0 << 1 << 1LL << 4455LL << QString();
        QTest::newRow("question 39 ends the archive")
            << full << 0 << 39 << 161663LL << 166689LL << QString();
        QTest::newRow("question 24 after the longer 39")
            << full << 39 << 24 << 97836LL << 101624LL << QString();
        QTest::newRow("missing archive") << 0LL << 0 << 1 << 0LL << 0LL << "Slike.dat";
        QTest::newRow("archive one byte short") << full - 1 << 0 << 39 << 0LL << 0LL << "166689";
        QTest::newRow("question without a picture") << full << 0 << 40 << 0LL << 0LL << "140";
        QTest::newRow("t.gif cannot be written") << full << -1 << 1 << 0LL << 0LL << "t.gif";
    }
    void copiesOnePictureOrFailsLeavingTheWorkingFile()
    {
        QFETCH(qint64, archiveSize);
        QFETCH(int, earlier);
        QFETCH(int, question);
        QFETCH(qint64, first);
        QFETCH(qint64, last);
        QFETCH(QString, failure);
        const QByteArray archive = patternArchive(archiveSize);
        QVERIFY(archiveSize == 0 || writeFile(m_archive, archive));
        if (earlier > 0)
            QVERIFY(extract(earlier).ok);
        else
            QVERIFY(earlier < 0 ? QDir().mkdir(m_picture) : writeFile(m_picture, "earlier"));
        const QByteArray before = readFile(m_picture);

        const Extracted result = extract(question);
        const QString reason = QString::fromStdString(result.reason);
        if (failure.isEmpty()) {
            QVERIFY2(result.ok, qPrintable(reason));
            QCOMPARE(readFile(m_picture), archive.mid(first - 1, last - first + 1));
            QVERIFY(!QFile::exists(m_dir.filePath("program/t.gif")));
            return;
        }
        QVERIFY(!result.ok);
        QVERIFY2(reason.contains(failure) && reason.contains("picture"), qPrintable(reason));
        QCOMPARE(readFile(m_picture), before);
        QCOMPARE(QFileInfo(m_picture).isDir(), earlier < 0);
        QCOMPARE(QDir(m_dir.filePath("user")).entryList(QDir::Files).size(), earlier < 0 ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(TestPictureArchive)
#include "tst_picturearchive.moc"
