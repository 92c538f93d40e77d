#include "PictureArchive.h"

#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// An archive whose every byte tells its position apart from its neighbours and from the bytes
// one picture further on, so a copy from the wrong offset or of the wrong length shows.
std::string patternArchive(std::int64_t size = kPictureArchiveSize)
{
    std::string bytes(static_cast<std::size_t>(size), '\0');
    for (std::int64_t p = 1; p <= size; ++p)
        bytes[static_cast<std::size_t>(p - 1)] = static_cast<char>((p * 7 + p / 251) % 256);
    return bytes;
}

void writeFile(const fs::path &file, const std::string &bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string readFile(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Bytes first..last of the archive, counted from 1.
std::string slice(const std::string &archive, std::int64_t first, std::int64_t last)
{
    return archive.substr(static_cast<std::size_t>(first - 1),
                          static_cast<std::size_t>(last - first + 1));
}

} // namespace

class TestPictureArchive : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>(); // every case starts from an empty folder
        QVERIFY(m_dir->isValid());
        m_folder = fs::path(m_dir->path().toStdString());
        m_archive = patternArchive();
    }

    void readsAnEntryByItsFixedColumns_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("offset");
        QTest::addColumn<qint64>("length");
        QTest::newRow("leading zeros and blanks") << "0004456  3834" << 4456LL << 3834LL;
        QTest::newRow("first entry") << "0000001  4455" << 1LL << 4455LL;
        QTest::newRow("last entry") << "0161663  5027" << 161663LL << 5027LL;
        QTest::newRow("a five-digit length") << "000000112345" << 1LL << 12345LL;
    }
    void readsAnEntryByItsFixedColumns()
    {
        QFETCH(QString, text);
        QFETCH(qint64, offset);
        QFETCH(qint64, length);
        const PicturePlace place = ReadPictureEntry(text.toStdString());
        QCOMPARE(place.offset, offset);
        QCOMPARE(place.length, length);
    }

    void theTableCoversTheArchiveWithoutGapsOrOverlaps()
    {
        std::int64_t next = 1;
        for (int key = kFirstPictureKey; key <= kLastPictureKey; ++key) {
            const std::optional<PicturePlace> place = FindPicture(key);
            QVERIFY2(place, qPrintable(QString::number(key)));
            QCOMPARE(place->offset, next);
            QVERIFY(place->length > 0);
            next = place->offset + place->length;
        }
        QCOMPARE(next - 1, kPictureArchiveSize);
        for (const PictureIndexEntry &entry : PictureIndex)
            QCOMPARE(entry.text.size(), std::size_t{13});
        QVERIFY(!FindPicture(100));
        QVERIFY(!FindPicture(140));
    }

    void copiesTheQuestionsPictureIntoTheWorkingFile_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<qint64>("first");
        QTest::addColumn<qint64>("last");
        QTest::newRow("question 1") << 1 << 1LL << 4455LL;
        QTest::newRow("question 2") << 2 << 4456LL << 8289LL;
        QTest::newRow("question 39 ends the archive")
            << 39 << 161663LL << qint64{kPictureArchiveSize};
    }
    void copiesTheQuestionsPictureIntoTheWorkingFile()
    {
        QFETCH(int, question);
        QFETCH(qint64, first);
        QFETCH(qint64, last);
        writeFile(m_folder / "Slike.dat", m_archive);
        const PictureResult result =
            ExtractPictureFile(m_folder, m_folder, static_cast<std::int16_t>(question));
        QVERIFY2(result.ok, result.reason.c_str());
        const std::string picture = readFile(m_folder / "t.gif");
        QCOMPARE(picture.size(), static_cast<std::size_t>(last - first + 1));
        QVERIFY(picture == slice(m_archive, first, last));
    }

    void aShorterPictureAfterALongerOneLeavesOnlyTheShorter()
    {
        const fs::path archiveFolder = m_folder / "program";
        const fs::path writeFolder = m_folder / "user";
        fs::create_directories(archiveFolder);
        fs::create_directories(writeFolder);
        writeFile(archiveFolder / "Slike.dat", m_archive);
        QVERIFY(ExtractPictureFile(archiveFolder, writeFolder, 39).ok); // 5027 bytes
        QVERIFY(ExtractPictureFile(archiveFolder, writeFolder, 24).ok); // 3789 bytes
        const std::string picture = readFile(writeFolder / "t.gif");
        QCOMPARE(picture.size(), std::size_t{3789});
        QVERIFY(picture == slice(m_archive, 97836, 97836 + 3789 - 1));
        QVERIFY(!fs::exists(archiveFolder / "t.gif"));
    }

    void failsWithAReasonInsteadOfCopying_data()
    {
        QTest::addColumn<QString>("archive"); // "full", "short" or "missing"
        QTest::addColumn<bool>("pictureIsAFolder");
        QTest::addColumn<int>("question");
        QTest::addColumn<QString>("mentioned");
        QTest::newRow("missing archive") << "missing" << false << 1 << "Slike.dat";
        QTest::newRow("archive one byte short") << "short" << false << 39 << "166689";
        QTest::newRow("question without a picture") << "full" << false << 40 << "140";
        QTest::newRow("question number 0") << "full" << false << 0 << "100";
        QTest::newRow("t.gif cannot be written") << "full" << true << 1 << "t.gif";
    }
    void failsWithAReasonInsteadOfCopying()
    {
        QFETCH(QString, archive);
        QFETCH(bool, pictureIsAFolder);
        QFETCH(int, question);
        QFETCH(QString, mentioned);
        if (archive == "full")
            writeFile(m_folder / "Slike.dat", m_archive);
        else if (archive == "short")
            writeFile(m_folder / "Slike.dat", patternArchive(kPictureArchiveSize - 1));
        if (pictureIsAFolder)
            fs::create_directory(m_folder / "t.gif");
        else
            writeFile(m_folder / "t.gif", "earlier picture");

        const PictureResult result =
            ExtractPictureFile(m_folder, m_folder, static_cast<std::int16_t>(question));
        QVERIFY(!result.ok);
        QVERIFY2(QString::fromStdString(result.reason).contains(mentioned), result.reason.c_str());
        QVERIFY(QString::fromStdString(result.reason).contains("picture"));
        if (!pictureIsAFolder)
            QCOMPARE(readFile(m_folder / "t.gif"), std::string("earlier picture"));
    }

    void aShortArchiveStillGivesThePicturesItHolds()
    {
        writeFile(m_folder / "Slike.dat", slice(m_archive, 1, 4455));
        QVERIFY(ExtractPictureFile(m_folder, m_folder, 1).ok);
        QVERIFY(!ExtractPictureFile(m_folder, m_folder, 2).ok);
        QCOMPARE(readFile(m_folder / "t.gif"), slice(m_archive, 1, 4455));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    fs::path m_folder;
    std::string m_archive;
};

QTEST_GUILESS_MAIN(TestPictureArchive)
#include "tst_picturearchive.moc"
