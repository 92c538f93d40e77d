#include "ScoreList.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A list line with the given score and name, dated 1 March 2026.
QByteArray line(int score, const char *name)
{
    return QByteArray::fromStdString(BuildScoreLine(name, std::int16_t(score), {1, 3, 2026}));
}

QByteArrayList linesOf(const ScoreList &list)
{
    QByteArrayList out;
    for (int i = 1; i <= list.count; ++i)
        out << QByteArray::fromStdString(list.lines[i]);
    return out;
}

QStringList entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

} // namespace

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    void buildsFixedWidthLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("one digit, leading zeros in the date")
            << "Ana" << 7 << QDate(2026, 3, 1) << QByteArray("   7  Ana         01.03.2026.");
        QTest::newRow("two digits, Cyrillic name") << "Играч" << 57 << QDate(2026, 12, 5)
                                                   << QByteArray("  57  \xC8\xE3\xF0\xE0\xF7"
                                                                 "       05.12.2026.");
        QTest::newRow("three digits, ten-letter name")
            << "Александар" << 100 << QDate(1999, 12, 31)
            << QByteArray(" 100  \xC0\xEB\xE5\xEA\xF1\xE0\xED\xE4\xE0\xF0  31.12.1999.");
        QTest::newRow("name too long keeps its left part")
            << "ABCDEFGHIJKLMNOP" << 12 << QDate(2026, 1, 1)
            << QByteArray("  12  ABCDEFGHIJKL01.01.2026.");
    }
    void buildsFixedWidthLines()
    {
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QDate, date);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(BuildScoreLine(windows1251(name).toStdString(),
                                                          std::int16_t(score),
                                                          {date.day(), date.month(), date.year()})),
                 expected);
    }

    void loads_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<int>("lowest");

        QTest::newRow("missing file") << false << QByteArray() << QByteArrayList() << 0;
        QTest::newRow("empty file") << true << QByteArray() << QByteArrayList() << 0;
        QTest::newRow("mixed line ends, none after the last")
            << true << QByteArray("  80  A\n  60  B\r\n\r  -4  C")
            << QByteArrayList{"  80  A", "  60  B", "", "  -4  C"} << -4;
        QTest::newRow("binary garbage")
            << true << QByteArray("\x00\x01\xFF\x98\n\xC8\xE3\r\n", 9)
            << QByteArrayList{QByteArray("\x00\x01\xFF\x98", 4), "\xC8\xE3"} << 0;

        QByteArrayList first30;
        for (int i = 1; i <= 30; ++i)
            first30 << line(100 - i, "n");
        const QByteArray many = fileOf(first30 + QByteArrayList(5, line(1, "n")));
        QTest::newRow("35 lines, the first 30 are read") << true << many << first30 << 70;
        QTest::newRow("35 lines with LF only")
            << true << QByteArray(many).replace("\r\n", "\n") << first30 << 70;
    }
    void loads()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(QByteArrayList, expected);
        QFETCH(int, lowest);
        QTemporaryDir dir;
        if (exists)
            QVERIFY(writeFile(dir.filePath(kScoreFileName), content));
        ScoreList list;
        list.count = 5; // whatever an earlier load left behind is forgotten
        list.lowestScore = 9;
        LoadScoreList(list, dir.path().toStdString());
        QCOMPARE(linesOf(list), expected);
        QCOMPARE(int(list.lowestScore), lowest);
    }

    void adds_data()
    {
        QTest::addColumn<QList<int>>("scores"); // the file before, named n1, n2, ...
        QTest::addColumn<int>("newScore");      // the new line is named "new"
        QTest::addColumn<QStringList>("order"); // names in the file after

        QTest::newRow("first line, no file") << QList<int>() << 57 << QStringList{"new"};
        QTest::newRow("new best goes on top")
            << QList<int>{60, 40} << 90 << QStringList{"new", "n1", "n2"};
        QTest::newRow("equal score goes below all equal lines")
            << QList<int>{60, 50, 50, 40} << 50 << QStringList{"n1", "n2", "n3", "new", "n4"};

        QList<int> full;
        QStringList order;
        for (int i = 1; i <= 30; ++i) {
            full << 100 - 2 * i; // 98, 96, ... 40
            order << QStringLiteral("n%1").arg(i);
        }
        order.removeLast();
        order.insert(6, QStringLiteral("new")); // 87 stands below 88, the sixth line
        QTest::newRow("full list drops its lowest line") << full << 87 << order;
    }
    void adds()
    {
        QFETCH(QList<int>, scores);
        QFETCH(int, newScore);
        QFETCH(QStringList, order);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        QMap<QString, QByteArray> byName{{"new", line(newScore, "new")}};
        QByteArrayList before;
        for (int i = 0; i < scores.size(); ++i) {
            const QString name = QStringLiteral("n%1").arg(i + 1);
            before << (byName[name] = line(scores[i], name.toLatin1().constData()));
        }
        // The new contents go to a new file that replaces the old one, which is never written:
        // a reader holding it, here through a second name, or a crash halfway sees it whole.
        const QString file = dir.filePath(kScoreFileName);
        QStringList entries{kScoreFileName};
        if (!before.isEmpty()) {
            QVERIFY(writeFile(file, fileOf(before)));
            QVERIFY(QFile::setPermissions(file,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
            QCOMPARE(::link(QFile::encodeName(file), QFile::encodeName(dir.filePath("old"))), 0);
            entries << "old";
        }
        const auto permissions = QFile::permissions(file);

        ScoreList list;
        LoadScoreList(list, folder);
        QVERIFY(AddScoreLine(list, byName["new"].toStdString(), folder));

        QByteArrayList expected;
        for (const QString &name : order)
            expected << byName[name];
        QCOMPARE(linesOf(list), expected);
        QCOMPARE(readFile(file), fileOf(expected));
        QCOMPARE(entriesIn(dir.path()), entries); // and no temporary file left
        if (!before.isEmpty()) {
            QCOMPARE(readFile(dir.filePath("old")), fileOf(before));
            QCOMPARE(QFile::permissions(file), permissions);
        }
    }

    void aFailedRewriteLeavesFileAndListAsTheyWere_data()
    {
        // Tests run as root, for whom permission bits stop nothing; these failures are real.
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("disk full") << true;
        QTest::newRow("list file is a folder") << false;
    }
    void aFailedRewriteLeavesFileAndListAsTheyWere()
    {
        QFETCH(bool, diskFull);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        const QByteArray old = fileOf({line(60, "a"), line(50, "b")});
        QString kept = dir.filePath(kScoreFileName);
        if (!diskFull) {
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Lista.txt/inside")));
            kept = dir.filePath("Lista.txt/inside/kept");
        }
        QVERIFY(writeFile(kept, old));
        ScoreList list;
        LoadScoreList(list, folder);
        const QByteArrayList loaded = linesOf(list);
        const int lowest = list.lowestScore;
        QCOMPARE(loaded.size(), diskFull ? 2 : 0); // a folder under the list's name is no list

        // Writes past 40 bytes fail as on a full disk; the old file is larger than that.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = diskFull ? 40 : saved.rlim_cur;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool added = AddScoreLine(list, line(55, "new").toStdString(), folder);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!added);
        QCOMPARE(readFile(kept), old);
        QCOMPARE(entriesIn(dir.path()), QStringList{kScoreFileName});
        QCOMPARE(linesOf(list), loaded);
        QCOMPARE(int(list.lowestScore), lowest);
        if (diskFull) { // the list still matches the file, so a later attempt adds the line once
            QVERIFY(AddScoreLine(list, line(55, "new").toStdString(), folder));
            QCOMPARE(readFile(kept), fileOf({line(60, "a"), line(55, "new"), line(50, "b")}));
        }
    }

    void clearingDeletesTheFileOrSaysItCouldNot()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        QVERIFY(ClearScoreList(folder)); // a missing file counts as cleared
        QVERIFY(writeFile(dir.filePath(kScoreFileName), fileOf({line(10, "a")})));
        QVERIFY(ClearScoreList(folder));
        QVERIFY(entriesIn(dir.path()).isEmpty());
        QVERIFY(QDir(dir.path()).mkdir(kScoreFileName)); // nothing a list could be deleted from
        QVERIFY(!ClearScoreList(folder));
    }
};

QTEST_APPLESS_MAIN(TestScoreList)
#include "tst_scorelist.moc"
