#include "Cp1251.h"
#include "ScoreList.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string win1251(const char *utf8)
{
    return cp1251::fromUtf8(utf8).value();
}

QByteArray bytes(const std::string &s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

std::string toStd(const QByteArray &b)
{
    return std::string(b.constData(), std::size_t(b.size()));
}

// A list line with the given score and name, dated 1 March 2026.
QByteArray line(int score, const char *name)
{
    return bytes(BuildScoreLine(win1251(name), std::int16_t(score), {1, 3, 2026}));
}

QByteArrayList linesOf(const ScoreList &list)
{
    QByteArrayList out;
    for (int i = 1; i <= list.count; ++i)
        out << bytes(list.lines[i]);
    return out;
}

bool add(ScoreList &list, const QByteArray &line, const std::string &folder)
{
    return AddScoreLine(list, toStd(line), folder);
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
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QByteArray>("expected");
        // Играч in Windows-1251, one byte a letter
        const QByteArray igrac("\xC8\xE3\xF0\xE0\xF7");
        QTest::newRow("two digits, Cyrillic name")
            << igrac << 57 << 5 << 12 << 2026 << "  57  " + igrac + "       05.12.2026.";
        QTest::newRow("one digit, leading zeros in the date")
            << QByteArray("Ana") << 7 << 1 << 3 << 2026
            << QByteArray("   7  Ana         01.03.2026.");
        QTest::newRow("three digits") << QByteArray("Ana") << 100 << 31 << 12 << 1999
                                      << QByteArray(" 100  Ana         31.12.1999.");
        QTest::newRow("zero") << QByteArray("x") << 0 << 9 << 9 << 2030
                              << QByteArray("   0  x           09.09.2030.");
        // Александар: ten letters leave two blanks before the date
        const QByteArray aleksandar("\xC0\xEB\xE5\xEA\xF1\xE0\xED\xE4\xE0\xF0");
        QTest::newRow("ten-letter name")
            << aleksandar << 64 << 10 << 10 << 2026 << "  64  " + aleksandar + "  10.10.2026.";
        // Њушка Џеј: letters outside the contiguous block of the code page
        const QByteArray njuska("\x8C\xF3\xF8\xEA\xE0 \x8F\xE5\xBC");
        QTest::newRow("ђ љ њ ћ џ ј kind of letters")
            << njuska << 3 << 2 << 1 << 2027 << "   3  " + njuska + "   02.01.2027.";
        QTest::newRow("name too long keeps its left part")
            << QByteArray("ABCDEFGHIJKLMNOP") << 12 << 1 << 1 << 2026
            << QByteArray("  12  ABCDEFGHIJKL01.01.2026.");
        QTest::newRow("blanks around the name stay") << QByteArray(" Ana ") << 5 << 1 << 1 << 2026
                                                     << QByteArray("   5   Ana        01.01.2026.");
        QTest::newRow("score too long keeps its left part")
            << QByteArray("A") << 12345 << 1 << 1 << 2026
            << QByteArray("1234  A           01.01.2026.");
    }
    void buildsFixedWidthLines()
    {
        QFETCH(QByteArray, name);
        QFETCH(int, score);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QByteArray, expected);
        const std::string built =
            BuildScoreLine(toStd(name), std::int16_t(score), ScoreDate{day, month, year});
        QCOMPARE(bytes(built), expected);
        QCOMPARE(int(built.size()), kScoreLineLength);
    }

    void encodesCyrillicNamesOneByteALetter()
    {
        const std::string built = BuildScoreLine(win1251("Ђорђе"), 40, {1, 1, 2026});
        QCOMPARE(int(built.size()), kScoreLineLength);
        QCOMPARE(bytes(built.substr(6, 12)), QByteArray("\x80\xEE\xF0\x90\xE5       "));
    }

    void todayIsTheLocalDate()
    {
        const ScoreDate today = Today();
        const QDate expected = QDate::currentDate();
        QCOMPARE(QDate(today.year, today.month, today.day), expected);
        QCOMPARE(bytes(BuildScoreLine("A", 1).substr(18)),
                 expected.toString(QStringLiteral("dd.MM.yyyy.")).toLatin1());
    }

    void readsTheScoreField_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("score");
        QTest::newRow("two digits") << QByteArray("  57  Ana         01.03.2026.") << 57;
        QTest::newRow("three digits") << QByteArray(" 100  Ana") << 100;
        QTest::newRow("four digits") << QByteArray("9999") << 9999;
        QTest::newRow("only the first four characters") << QByteArray("12345") << 1234;
        QTest::newRow("digits in the name do not count") << QByteArray("   5  2024") << 5;
        QTest::newRow("negative") << QByteArray("  -5  x") << -5;
        QTest::newRow("plus sign") << QByteArray("  +7") << 7;
        QTest::newRow("letters") << QByteArray("abcd  x") << 0;
        QTest::newRow("blanks only") << QByteArray("      Ana") << 0;
        QTest::newRow("empty line") << QByteArray("") << 0;
        QTest::newRow("short line") << QByteArray("8") << 8;
        QTest::newRow("number then letters") << QByteArray("12ab") << 12;
        QTest::newRow("sign without digits") << QByteArray("  - 5") << 0;
        QTest::newRow("high bytes") << QByteArray("\xFF\xFE\x98\x01") << 0;
    }
    void readsTheScoreField()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, score);
        QCOMPARE(int(ScoreOf(toStd(text))), score);
    }

    void loads_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArrayList>("expected");
        QTest::addColumn<int>("lowest");

        QTest::newRow("missing file") << false << QByteArray() << QByteArrayList() << 0;
        QTest::newRow("empty file") << true << QByteArray() << QByteArrayList() << 0;
        QTest::newRow("one line") << true << QByteArray("  57  Ana         01.03.2026.\r\n")
                                  << QByteArrayList{"  57  Ana         01.03.2026."} << 57;
        QTest::newRow("two lines, lowest is the last")
            << true << QByteArray("  80  A\r\n  20  B\r\n") << QByteArrayList{"  80  A", "  20  B"}
            << 20;
        QTest::newRow("no line end after the last line")
            << true << QByteArray("  80  A\r\n  20  B") << QByteArrayList{"  80  A", "  20  B"}
            << 20;
        QTest::newRow("bare LF") << true << QByteArray("  80  A\n  60  B\n  40  C\n")
                                 << QByteArrayList{"  80  A", "  60  B", "  40  C"} << 40;
        QTest::newRow("lone CR") << true << QByteArray("  80  A\r  60  B\r")
                                 << QByteArrayList{"  80  A", "  60  B"} << 60;
        QTest::newRow("mixed line ends") << true << QByteArray("  80  A\n  60  B\r\n  40  C\r")
                                         << QByteArrayList{"  80  A", "  60  B", "  40  C"} << 40;
        QTest::newRow("empty lines count as lines")
            << true << QByteArray("  80  A\r\n\r\n  40  C\r\n")
            << QByteArrayList{"  80  A", "", "  40  C"} << 40;
        QTest::newRow("last line without a number") << true << QByteArray("  80  A\r\nkupus\r\n")
                                                    << QByteArrayList{"  80  A", "kupus"} << 0;
        QTest::newRow("binary garbage")
            << true << QByteArray("\x00\x01\xFF\x98\n\xC8\xE3\r\n", 9)
            << QByteArrayList{QByteArray("\x00\x01\xFF\x98", 4), "\xC8\xE3"} << 0;

        QByteArray many;
        QByteArrayList first30;
        for (int i = 1; i <= 35; ++i) {
            const QByteArray l =
                QByteArray::number(100 - i).rightJustified(4) + "  n" + QByteArray::number(i);
            many += l + "\r\n";
            if (i <= 30)
                first30 << l;
        }
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
        list.lines[1] = "stale";
        LoadScoreList(list, dir.path().toStdString());
        QCOMPARE(int(list.count), int(expected.size()));
        for (int i = 1; i <= list.count; ++i)
            QCOMPARE(bytes(list.lines[i]), expected[i - 1]);
        QCOMPARE(int(list.lowestScore), lowest);
    }

    void aFolderNamedLikeTheFileIsAnEmptyList()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(kScoreFileName));
        ScoreList list;
        LoadScoreList(list, dir.path().toStdString());
        QCOMPARE(int(list.count), 0);
        QCOMPARE(int(list.lowestScore), 0);
    }

    void adds_data()
    {
        QTest::addColumn<QList<int>>("scores"); // the file before, named n1, n2, ...
        QTest::addColumn<int>("newScore");      // the new line is named "new"
        QTest::addColumn<QStringList>("order"); // names in the file after

        QTest::newRow("first line, no file") << QList<int>() << 57 << QStringList{"new"};
        QTest::newRow("new best goes on top")
            << QList<int>{60, 40} << 90 << QStringList{"new", "n1", "n2"};
        QTest::newRow("lowest goes to the bottom")
            << QList<int>{60, 40} << 10 << QStringList{"n1", "n2", "new"};
        QTest::newRow("equal score goes below all equal lines")
            << QList<int>{60, 50, 50, 40} << 50 << QStringList{"n1", "n2", "n3", "new", "n4"};
        QTest::newRow("equal to the best")
            << QList<int>{60, 50} << 60 << QStringList{"n1", "new", "n2"};
        QTest::newRow("equal to the lowest")
            << QList<int>{60, 5} << 5 << QStringList{"n1", "n2", "new"};

        QList<int> full;
        QStringList fullOrder;
        for (int i = 1; i <= 30; ++i) {
            full << 100 - 2 * i; // 98, 96, ... 40
            fullOrder << QStringLiteral("n%1").arg(i);
        }
        QStringList replaced = fullOrder.mid(0, 29);
        replaced.insert(6, QStringLiteral("new")); // 87 stands below 88, the sixth line
        QTest::newRow("full list drops its last line") << full << 87 << replaced;
        QStringList atTheEnd = fullOrder.mid(0, 29);
        atTheEnd << QStringLiteral("new");
        QTest::newRow("full list, just above the lowest") << full << 41 << atTheEnd;
    }
    void adds()
    {
        QFETCH(QList<int>, scores);
        QFETCH(int, newScore);
        QFETCH(QStringList, order);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        QMap<QString, QByteArray> byName;
        QByteArrayList before;
        for (int i = 0; i < scores.size(); ++i) {
            const QString name = QStringLiteral("n%1").arg(i + 1);
            byName[name] = line(scores[i], name.toLatin1().constData());
            before << byName[name];
        }
        byName["new"] = line(newScore, "new");
        if (!before.isEmpty())
            QVERIFY(writeFile(dir.filePath(kScoreFileName), fileOf(before)));

        ScoreList list;
        LoadScoreList(list, folder);
        QVERIFY(add(list, byName["new"], folder));

        QByteArrayList expected;
        for (const QString &name : order)
            expected << byName[name];
        QCOMPARE(linesOf(list), expected);
        QCOMPARE(readFile(dir.filePath(kScoreFileName)), fileOf(expected));
        QCOMPARE(entriesIn(dir.path()), QStringList{kScoreFileName});
    }

    void a35LineFileIsCutTo30OnTheNextRewrite()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        QByteArrayList lines;
        for (int i = 1; i <= 35; ++i)
            lines << line(90 - i, "n");
        QVERIFY(writeFile(dir.filePath(kScoreFileName), fileOf(lines)));
        ScoreList list;
        LoadScoreList(list, folder);
        QVERIFY(add(list, line(95, "top"), folder));
        QByteArrayList expected{line(95, "top")};
        expected += lines.mid(0, 29);
        QCOMPARE(readFile(dir.filePath(kScoreFileName)), fileOf(expected));
    }

    void garbageLinesCountAsZero()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        QVERIFY(writeFile(dir.filePath(kScoreFileName), "kupus\r\n  -3  minus\r\n"));
        ScoreList list;
        LoadScoreList(list, folder);
        QVERIFY(add(list, line(1, "new"), folder));
        QCOMPARE(readFile(dir.filePath(kScoreFileName)),
                 line(1, "new") + "\r\nkupus\r\n  -3  minus\r\n");
    }

    // The new contents go to a new file that replaces the old one; the old file itself is never
    // written, so a reader holding it, or a crash halfway, sees it whole.
    void rewriteReplacesTheFileInsteadOfWritingIntoIt()
    {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        const QByteArray old = fileOf({line(60, "old")});
        QVERIFY(writeFile(dir.filePath(kScoreFileName), old));
        const QByteArray path = QFile::encodeName(dir.filePath(kScoreFileName));
        QCOMPARE(::chmod(path.constData(), 0640), 0);
        const QString link = dir.filePath("holder");
        QCOMPARE(::link(path.constData(), QFile::encodeName(link).constData()), 0);

        ScoreList list;
        LoadScoreList(list, folder);
        QVERIFY(add(list, line(70, "new"), folder));
        QCOMPARE(readFile(link), old);
        QCOMPARE(readFile(dir.filePath(kScoreFileName)),
                 fileOf({line(70, "new"), line(60, "old")}));
        QCOMPARE(entriesIn(dir.path()), (QStringList{kScoreFileName, "holder"}));
        struct stat now
        {
        };
        QCOMPARE(::stat(path.constData(), &now), 0);
        QCOMPARE(now.st_mode & 07777, mode_t(0640)); // the rewrite keeps the file's permissions
    }

    void aFailedRewriteLeavesFileAndListAsTheyWere_data()
    {
        QTest::addColumn<QString>("how");
        // Tests run as root, for whom permission bits stop nothing; these failures are real.
        QTest::newRow("disk full") << "fsize";
        QTest::newRow("list file is a folder") << "folder";
        QTest::newRow("folder is a file") << "file";
    }
    void aFailedRewriteLeavesFileAndListAsTheyWere()
    {
        QFETCH(QString, how);
        QTemporaryDir dir;
        std::string folder = dir.path().toStdString();
        const QByteArray old = fileOf({line(60, "a"), line(50, "b")});
        QString watched = dir.filePath(kScoreFileName);
        if (how == "folder") {
            QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Lista.txt/inside")));
            watched = dir.filePath("Lista.txt/inside/keep");
        } else if (how == "file") {
            watched = dir.filePath("plain");
            folder = (dir.path() + "/plain").toStdString();
        }
        QVERIFY(writeFile(watched, old));
        const QStringList entries = entriesIn(dir.path());

        ScoreList list;
        LoadScoreList(list, folder);
        const QByteArrayList loaded = linesOf(list);
        const int lowest = list.lowestScore;

        bool added = true;
        if (how == "fsize") {
            // Writes past 40 bytes fail as on a full disk; the old file is larger than that.
            struct rlimit saved
            {
            };
            QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit small = saved;
            small.rlim_cur = 40;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
            added = add(list, line(55, "new"), folder);
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            added = add(list, line(55, "new"), folder);
        }
        QVERIFY(!added);
        QCOMPARE(readFile(watched), old);
        QCOMPARE(entriesIn(dir.path()), entries);
        QCOMPARE(linesOf(list), loaded);
        QCOMPARE(int(list.lowestScore), lowest);

        // the list in memory still matches the file, so a later attempt adds the line once
        if (how == "fsize") {
            QVERIFY(add(list, line(55, "new"), folder));
            QCOMPARE(readFile(watched), fileOf({line(60, "a"), line(55, "new"), line(50, "b")}));
        }
    }

    void clears_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("existing file") << true;
        QTest::newRow("missing file") << false;
    }
    void clears()
    {
        QFETCH(bool, exists);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        ScoreList list;
        if (exists)
            QVERIFY(add(list, line(10, "a"), folder));
        ClearScoreList(folder);
        QVERIFY(entriesIn(dir.path()).isEmpty());
        QCOMPARE(int(list.count), exists ? 1 : 0); // the list in memory is left alone
        LoadScoreList(list, folder);
        QCOMPARE(int(list.count), 0);
    }

    void clearingLeavesOtherFilesAlone()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("lista.txt.bak"), "x"));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Lista.txt")));
        ClearScoreList(dir.path().toStdString());
        QCOMPARE(entriesIn(dir.path()), (QStringList{kScoreFileName, "lista.txt.bak"}));
    }
};

QTEST_APPLESS_MAIN(TestScoreList)
#include "tst_scorelist.moc"
