#include "ScoreList.h"
#include "TestFiles.h"

#include <QtTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// A list line with the given score and name, dated 1 March 2026.
QByteArray line(int score, const QString &name)
{
    return QByteArray::fromStdString(BuildScoreLine(name.toStdString(), score, {1, 3, 2026}));
}

QByteArrayList linesOf(const ScoreList &list)
{
    QByteArrayList out;
    for (int i = 1; i <= list.count; ++i)
        out << QByteArray::fromStdString(list.lines[i]);
    return out;
}

} // namespace

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); } // a write past the limit just fails

    void buildsFixedWidthLines_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one digit")
            << "Ana" << 7 << QDate(2026, 3, 1) << "   7  Ana         01.03.2026.";
        QTest::newRow("three digits, ten letters")
            << "Александар" << 100 << QDate(1999, 12, 31) << " 100  Александар  31.12.1999.";
        QTest::newRow("long name cut")
            << "ABCDEFGHIJKLMNOP" << 12 << QDate(2026, 1, 1) << "  12  ABCDEFGHIJKL01.01.2026.";
    }
    void buildsFixedWidthLines()
    {
        QFETCH(QString, name);
        QFETCH(int, score);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        const ScoreDate day{date.day(), date.month(), date.year()};
        const std::string built = BuildScoreLine(windows1251(name).toStdString(), score, day);
        QCOMPARE(QByteArray::fromStdString(built), windows1251(expected));
    }

    void addsOrLeavesFileAndListAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("before"); // the list file; null: none
        QTest::addColumn<int>("lowest");        // of the list as loaded
        QTest::addColumn<int>("score");         // of the new line
        QTest::addColumn<QByteArrayList>("after");
        QTest::addColumn<QString>("fault");
        const QByteArray a = line(60, "a"), b = line(50, "b"), c = line(50, "c"), d = line(40, "d");
        QTest::newRow("first line, no file")
            << QByteArray() << 0 << 57 << QByteArrayList{line(57, "new")} << "";
        QTest::newRow("new best goes on top")
            << fileOf({a, d}) << 40 << 90 << QByteArrayList{line(90, "new"), a, d} << "";
        QTest::newRow("equal score goes below all equal lines")
            << fileOf({a, b, c, d}) << 40 << 50 << QByteArrayList{a, b, c, line(50, "new"), d}
            << "";
        QTest::newRow("mixed line ends and bytes, none after the last")
            << QByteArray("  80  A\n\0\xFF\x98\r\n\r  -4  C", 21) << -4 << 50
            << QByteArrayList{"  80  A", line(50, "new"), QByteArray("\0\xFF\x98", 3), "",
                              "  -4  C"}
            << "";
        QByteArrayList first30;
        for (int i = 1; i <= 30; ++i)
            first30 << line(100 - 2 * i, "n"); // 98, 96, ... 40
        const QByteArray many = fileOf(first30 + QByteArrayList(5, line(1, "n")));
        // 87 goes below 88, the sixth line, and 40 drops out.
        const QByteArrayList full =
            first30.mid(0, 6) + QByteArrayList{line(87, "new")} + first30.mid(6, 23);
        QTest::newRow("35 lines, the first 30 are read") << many << 40 << 87 << full << "";
        QTest::newRow("35 lines with LF only")
            << QByteArray(many).replace("\r\n", "\n") << 40 << 87 << full << "";
        // Tests run as root, for whom permission bits stop nothing; these failures are real.
        QTest::newRow("disk full") << fileOf({a, b}) << 50 << 55 << QByteArrayList{a, b} << "disk";
        QTest::newRow("list file is a folder")
            << fileOf({a, b}) << 0 << 55 << QByteArrayList{} << "folder";
    }
    void addsOrLeavesFileAndListAsTheyWere()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, lowest);
        QFETCH(int, score);
        QFETCH(QByteArrayList, after);
        QFETCH(QString, fault);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        // The new contents go to a new file that replaces the old one, which is never written:
        // a reader holding it, here through a second name, or a crash halfway sees it whole.
        const QString file = dir.filePath(fault == "folder" ? "Lista.txt/in/kept" : "Lista.txt");
        const QString old = dir.filePath("old");
        if (!before.isNull()) {
            QVERIFY(QDir().mkpath(QFileInfo(file).path()) && writeFile(file, before));
            QVERIFY(QFile::setPermissions(file,
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
            QCOMPARE(::link(QFile::encodeName(file), QFile::encodeName(old)), 0);
        }
        const auto permissions = QFile::permissions(file);
        ScoreList list{{}, 5, 9}; // whatever an earlier load left behind is forgotten
        LoadScoreList(list, folder);
        QCOMPARE(list.lowestScore, lowest);

        // Writes past 40 bytes fail as on a full disk; the old file is larger than that.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit small{fault == "disk" ? 40 : saved.rlim_cur, saved.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const bool added = AddScoreLine(list, line(score, "new").toStdString(), folder);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);

        QCOMPARE(added, fault.isEmpty());
        QCOMPARE(linesOf(list), after); // on a fault, as loaded, so a later attempt adds it once
        if (!added)
            QCOMPARE(list.lowestScore, lowest);
        QCOMPARE(readFile(file), added ? fileOf(after) : before);
        QCOMPARE(readFile(old), before.isNull() ? "<missing>" : before);
        if (!before.isNull())
            QCOMPARE(QFile::permissions(file), permissions);
        const auto entries =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(entries.size(), before.isNull() ? 1 : 2); // and no temporary file left
    }
};

QTEST_APPLESS_MAIN(TestScoreList)
#include "tst_scorelist.moc"
