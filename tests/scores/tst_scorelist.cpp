#include "ScoreList.h"
#include "TestFiles.h"

#include <QtTest>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ListSave)

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

QStringList entriesOf(const QTemporaryDir &dir)
{
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

// Makes the list file of dir as setup asks, holding bytes unless they are null; the path of the
// file that holds them, empty when it could not be made.
QString makeList(const QTemporaryDir &dir, const QString &setup, const QByteArray &bytes)
{
    const QString file = dir.filePath(setup == "folder"      ? "Lista.txt/in/kept"
                                      : setup == "link"      ? "real/list.txt"
                                      : setup == "LISTA.TXT" ? setup
                                                             : "Lista.txt");
    bool ok = setup != "link" || QFile::link("real/list.txt", dir.filePath("Lista.txt"));
    for (const char *leftover : {"Lista.txt.tmp", "Lista.txt.123-4.tmp"})
        ok = ok && (setup != "leftovers" || writeFile(dir.filePath(leftover), "x"));
    if (!bytes.isNull()) {
        ok = ok && QDir().mkpath(QFileInfo(file).path()) && writeFile(file, bytes) &&
             QFile::setPermissions(
                 file, QFile::ReadOwner | QFile::ReadGroup |
                           (setup == "protected" ? QFile::ReadOther : QFile::WriteOwner));
    }
    return ok ? file : QString();
}

// Starts the helper that adds a line to dir's list, as a finished game does, in a process of
// its own; with pause it stops before putting the new list in place.
void startWriter(QProcess &writer, const QTemporaryDir &dir, int score, bool pause)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (pause)
        env.insert("LISTWRITER_PAUSE", "1");
    writer.setProcessEnvironment(env);
    writer.start(LISTWRITER, {dir.path(), QString::number(score), "w" + QString::number(score)});
}

bool waitFor(QProcess &writer, const QByteArray &word)
{
    QByteArray said;
    while (!said.contains(word) && writer.waitForReadyRead(10000))
        said += writer.readAllStandardOutput();
    return said.contains(word);
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
        QTest::addColumn<QByteArray>("before");    // the list file; null: none
        QTest::addColumn<QByteArray>("meanwhile"); // what another writer left after the load
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("lowest"); // of the list as loaded
        QTest::addColumn<int>("score");  // of the new line
        QTest::addColumn<QByteArrayList>("after");
        QTest::addColumn<ListSave>("result");
        const QByteArray a = line(60, "a"), b = line(50, "b"), c = line(50, "c"), d = line(40, "d");
        const QByteArray none;
        const auto saved = ListSave::Saved;
        QTest::newRow("first line, no file")
            << none << none << "" << 0 << 57 << QByteArrayList{line(57, "new")} << saved;
        QTest::newRow("new best goes on top") << fileOf({a, d}) << none << "" << 40 << 90
                                              << QByteArrayList{line(90, "new"), a, d} << saved;
        QTest::newRow("equal score goes below all equal lines")
            << fileOf({a, b, c, d}) << none << "" << 40 << 50
            << QByteArrayList{a, b, c, line(50, "new"), d} << saved;
        QTest::newRow("mixed line ends and bytes, none after the last")
            << QByteArray("  80  A\n\0\xFF\x98\r\n\r  -4  C", 21) << none << "" << -4 << 50
            << QByteArrayList{"  80  A", line(50, "new"), QByteArray("\0\xFF\x98", 3), "",
                              "  -4  C"}
            << saved;
        QByteArrayList first30;
        for (int i = 1; i <= 30; ++i)
            first30 << line(100 - 2 * i, "n"); // 98, 96, ... 40
        const QByteArray many = fileOf(first30 + QByteArrayList(5, line(1, "n")));
        // 87 goes below 88, the sixth line, and 40 drops out.
        const QByteArrayList full =
            first30.mid(0, 6) + QByteArrayList{line(87, "new")} + first30.mid(6, 23);
        QTest::newRow("35 lines, the first 30 are read")
            << many << none << "" << 40 << 87 << full << saved;
        QTest::newRow("35 lines with LF only")
            << QByteArray(many).replace("\r\n", "\n") << none << "" << 40 << 87 << full << saved;
        QTest::newRow("written through a link") << fileOf({a}) << none << "link" << 60 << 55
                                                << QByteArrayList{a, line(55, "new")} << saved;
        QTest::newRow("name in other letters") << fileOf({a}) << none << "LISTA.TXT" << 60 << 55
                                               << QByteArrayList{a, line(55, "new")} << saved;
        QTest::newRow("leftovers of killed writers go")
            << fileOf({a}) << none << "leftovers" << 60 << 55 << QByteArrayList{a, line(55, "new")}
            << saved;
        QTest::newRow("a line added meanwhile stays")
            << fileOf({a, d}) << fileOf({a, b, d}) << "" << 40 << 55
            << QByteArrayList{a, line(55, "new"), b, d} << saved;
        QTest::newRow("filled meanwhile with better scores")
            << fileOf(first30.mid(0, 29)) << fileOf(first30) << "" << 42 << 40 << first30.mid(0, 29)
            << ListSave::Outscored;
        // Tests run as root, for whom permission bits stop nothing; these failures are real.
        QTest::newRow("disk full") << fileOf({a, b}) << none << "disk" << 50 << 55
                                   << QByteArrayList{a, b} << ListSave::DiskFull;
        QTest::newRow("list file is a folder") << fileOf({a, b}) << none << "folder" << 0 << 55
                                               << QByteArrayList{} << ListSave::NameIsFolder;
        QTest::newRow("write-protected list file")
            << fileOf({a, b}) << none << "protected" << 50 << 55 << QByteArrayList{a, b}
            << ListSave::FileWriteProtected;
        QTest::newRow("another writer holds the list")
            << fileOf({a, b}) << none << "locked" << 50 << 55 << QByteArrayList{a, b}
            << ListSave::Busy;
    }
    void addsOrLeavesFileAndListAsTheyWere()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, meanwhile);
        QFETCH(QString, setup);
        QFETCH(int, lowest);
        QFETCH(int, score);
        QFETCH(QByteArrayList, after);
        QFETCH(ListSave, result);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        // The new contents go to a new file that replaces the old one, which is never written:
        // a reader holding it, here through a second name, or a crash halfway sees it whole.
        const QString file = makeList(dir, setup, before);
        QVERIFY(!file.isEmpty());
        const QString old = dir.filePath("old");
        if (!before.isNull())
            QCOMPARE(::link(QFile::encodeName(file), QFile::encodeName(old)), 0);
        ScoreList list{{}, 5, 9}; // whatever an earlier load left behind is forgotten
        LoadScoreList(list, folder);
        QCOMPARE(list.lowestScore, lowest);
        if (!meanwhile.isNull()) {
            QVERIFY(writeFile(dir.filePath("other"), meanwhile));
            QVERIFY(std::rename(QFile::encodeName(dir.filePath("other")),
                                QFile::encodeName(file)) == 0);
        }
        const auto permissions = QFile::permissions(file);
        const QStringList entries = entriesOf(dir) << "Lista.txt.lock";
        const int holder =
            ::open(QFile::encodeName(dir.filePath("Lista.txt.lock")), O_RDWR | O_CREAT, 0666);
        if (setup == "locked")
            QCOMPARE(::flock(holder, LOCK_EX), 0);

        // Writes past 40 bytes fail as on a full disk; the old file is larger than that.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit small{setup == "disk" ? 40 : saved.rlim_cur, saved.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const ListSave added = AddScoreLine(list, line(score, "new").toStdString(), folder,
                                            {std::chrono::milliseconds(0), {}});
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        ::close(holder);

        QCOMPARE(added, result);
        QCOMPARE(linesOf(list), after); // on a fault, as loaded, so a later attempt adds it once
        const bool ok = added == ListSave::Saved;
        if (!ok)
            QCOMPARE(list.lowestScore, lowest);
        QCOMPARE(readFile(file), ok ? fileOf(after) : !meanwhile.isNull() ? meanwhile : before);
        QCOMPARE(readFile(old), before.isNull() ? "<missing>" : before);
        if (!before.isNull())
            QCOMPARE(QFile::permissions(file), permissions);
        // No temporary file is left, nor a second list under another name or instead of a link.
        QStringList expected = entries.filter(QRegularExpression("^(?!.*tmp)"));
        if (before.isNull())
            expected << "Lista.txt";
        expected.removeDuplicates();
        expected.sort();
        QCOMPARE(entriesOf(dir), expected);
        QCOMPARE(QFileInfo(dir.filePath("Lista.txt")).isSymLink(), setup == "link");
    }

    void clearsTheListItFinds_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("plain") << "" << true;
        QTest::newRow("name in other letters") << "LISTA.TXT" << true;
        QTest::newRow("through a link, which stays") << "link" << true;
        QTest::newRow("write-protected") << "protected" << false;
        QTest::newRow("a folder") << "folder" << false;
    }
    void clearsTheListItFinds()
    {
        QFETCH(QString, setup);
        QFETCH(bool, cleared);
        QTemporaryDir dir;
        const QByteArray bytes = fileOf({line(60, "a")});
        const QString file = makeList(dir, setup, bytes);
        QVERIFY(!file.isEmpty());
        QCOMPARE(ClearScoreList(dir.path().toStdString()), cleared);
        QCOMPARE(readFile(file), cleared ? "<missing>" : bytes);
        QCOMPARE(QFileInfo(dir.filePath("Lista.txt")).isSymLink(), setup == "link");
    }

    void startsFromAListThatCameWithTheProgram_data()
    {
        QTest::addColumn<QString>("user");     // what the player did before
        QTest::addColumn<QByteArray>("given"); // write-protected, in the program's folder
        QTest::addColumn<QByteArray>("expected");
        const QByteArray a = fileOf({line(60, "a")}), b = fileOf({line(50, "b")});
        QTest::newRow("first time") << "" << a << a;
        QTest::newRow("nothing given") << "" << QByteArray() << QByteArray("<missing>");
        QTest::newRow("own list kept") << "added" << a << b;
        QTest::newRow("own list cleared") << "cleared" << a << QByteArray("<missing>");
    }
    void startsFromAListThatCameWithTheProgram()
    {
        QFETCH(QString, user);
        QFETCH(QByteArray, given);
        QFETCH(QByteArray, expected);
        QTemporaryDir program, own;
        QVERIFY(!makeList(program, "protected", given).isEmpty());
        const std::string to = own.path().toStdString();
        ScoreList list;
        if (!user.isEmpty())
            QCOMPARE(AddScoreLine(list, line(50, "b").toStdString(), to), ListSave::Saved);
        QVERIFY(user != "cleared" || ClearScoreList(to));
        SeedScoreList(program.path().toStdString(), to);
        QCOMPARE(readFile(own.filePath("Lista.txt")), expected);
        QCOMPARE(AddScoreLine(list, line(40, "c").toStdString(), to), ListSave::Saved);
    }

    // Two copies of the program on one folder finish their games. The second waits while the
    // first writes, then adds its line to what the first wrote, not to the list it loaded; when
    // the first is killed halfway, the old list stays whole and no trace of it is left.
    void writersInTwoProcesses_data()
    {
        QTest::addColumn<bool>("killed");
        QTest::newRow("the first finishes") << false;
        QTest::newRow("the first is killed") << true;
    }
    void writersInTwoProcesses()
    {
        QFETCH(bool, killed);
        QTemporaryDir dir;
        const QString file = dir.filePath("Lista.txt");
        QVERIFY(writeFile(file, fileOf({line(60, "a")})));
        QProcess first, second;
        startWriter(first, dir, 70, true);
        QVERIFY(waitFor(first, "paused"));
        QCOMPARE(entriesOf(dir).filter(".tmp").size(), 1);
        startWriter(second, dir, 50, false);
        QVERIFY(waitFor(second, "loaded"));
        QVERIFY(!second.waitForFinished(300));
        if (killed)
            first.kill();
        else
            first.write("\n");
        QVERIFY(first.waitForFinished() && second.waitForFinished());
        QCOMPARE(second.exitCode(), 0);
        const QByteArrayList both{line(70, "w70"), line(60, "a"), line(50, "w50")};
        QCOMPARE(readFile(file), fileOf(killed ? both.mid(1) : both));
        QCOMPARE(entriesOf(dir), QStringList({"Lista.txt", "Lista.txt.lock"}));
    }
};

QTEST_GUILESS_MAIN(TestScoreList)
#include "tst_scorelist.moc"
