#include "ScoreList.h"
#include "TestFiles.h"

#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ListSave)

namespace {

// A list line as the file holds it, dated 1 March 2026; name is in Windows-1251.
QByteArray line(int score, const QByteArray &name)
{
    return QByteArray::number(score).rightJustified(4) + "  " + name.leftJustified(12) +
           "01.03.2026.";
}

QStringList entriesOf(const QTemporaryDir &dir)
{
    return QDir(dir.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
}

// Makes dir's list as setup asks, holding bytes unless null; its path, or empty on failure.
QString makeList(const QTemporaryDir &dir, const QString &setup, const QByteArray &bytes)
{
    const QMap<QString, QString> names{
        {"folder", "Lista.txt/in/kept"}, {"link", "real/list.txt"}, {"LISTA.TXT", "LISTA.TXT"}};
    const QString file = dir.filePath(names.value(setup, "Lista.txt"));
    bool ok = setup != "link" || QFile::link("real/list.txt", dir.filePath("Lista.txt"));
    for (const char *leftover : {"Lista.txt.tmp", "Lista.txt.123-4.tmp"})
        ok = ok && (setup != "leftovers" || writeFile(dir.filePath(leftover), "x"));
    const auto access = setup == "protected" ? QFile::ReadOther : QFile::WriteOwner;
    ok = ok && (bytes.isNull() ||
                (QDir().mkpath(QFileInfo(file).path()) && writeFile(file, bytes) &&
                 QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | access)));
    return ok ? file : QString();
}

} // namespace

class TestScoreList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { std::signal(SIGXFSZ, SIG_IGN); } // a write past the limit just fails

    void changesTheListOrLeavesFileAndListAsTheyWere_data()
    {
        using enum ListSave;
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QByteArray>("before"); // the list file; null: none
        QTest::addColumn<int>("score");         // of the line added; 0: the list is cleared
        QTest::addColumn<QByteArrayList>("after");
        QTest::addColumn<ListSave>("result");
        QTest::addColumn<QByteArray>("meanwhile"); // what another writer left after the load
        auto row = [](const char *name, const char *setup, const QByteArray &before, int score,
                      const QByteArrayList &after, ListSave result = ListSave::Saved,
                      const QByteArray &meanwhile = {}) {
            QTest::newRow(name) << setup << before << score << after << result << meanwhile;
        };
        // The new player's name, cut to its twelve columns.
        auto n = [](int score) { return line(score, windows1251("Александаров")); };
        const QByteArray a = line(60, "a"), b = line(50, "b"), c = line(50, "c"), d = line(40, "d");
        const QByteArray ab = fileOf({a, b});
        QByteArrayList first30;
        for (int i = 1; i <= 30; ++i)
            first30 << line(100 - 2 * i, "n"); // 98, 96, ... 40
        const QByteArray many = fileOf(first30 + QByteArrayList(5, line(1, "n")));
        // 87 goes below 88, the sixth line, and 40 drops out.
        const QByteArrayList full = first30.mid(0, 6) + QByteArrayList{n(87)} + first30.mid(6, 23);
        row("first line, no file", "", {}, 7, {n(7)});
        row("best on top, old leftovers go", "leftovers", fileOf({a, d}), 100, {n(100), a, d});
        row("equal score goes below", "", fileOf({a, b, c, d}), 50, {a, b, c, n(50), d});
        row("mixed line ends and bytes, none after the last", "",
            QByteArray("  80  A\n\0\xFF\x98\r\n\r  -4  C", 21), 50,
            {"  80  A", n(50), QByteArray("\0\xFF\x98", 3), "", "  -4  C"});
        row("35 lines, the first 30 are read", "", many, 87, full);
        row("35 lines with LF only", "", QByteArray(many).replace("\r\n", "\n"), 87, full);
        row("written through a link", "link", fileOf({a}), 55, {a, n(55)});
        row("name in other letters", "LISTA.TXT", fileOf({a}), 55, {a, n(55)});
        row("a line added meanwhile stays", "", fileOf({a, d}), 55, {a, n(55), b, d}, Saved,
            fileOf({a, b, d}));
        row("filled meanwhile with better scores", "", fileOf(first30.mid(0, 29)), 40,
            first30.mid(0, 29), Outscored, fileOf(first30));
        // Tests run as root, for whom permission bits stop nothing; these failures are real.
        row("disk full", "disk", ab, 55, {a, b}, DiskFull);
        row("list file is a folder", "folder", ab, 55, {}, NameIsFolder);
        row("write-protected list file", "protected", ab, 55, {a, b}, FileWriteProtected);
        row("another writer holds the list", "locked", ab, 55, {a, b}, Busy);
        row("cleared", "", ab, 0, {a, b});
        row("cleared, name in other letters", "LISTA.TXT", ab, 0, {a, b});
        row("cleared through a link, which stays", "link", ab, 0, {a, b});
        row("write-protected list not cleared", "protected", ab, 0, {a, b}, Failed);
        row("a folder not cleared", "folder", ab, 0, {}, Failed);
    }
    void changesTheListOrLeavesFileAndListAsTheyWere()
    {
        QFETCH(QString, setup);
        QFETCH(QByteArray, before);
        QFETCH(int, score);
        QFETCH(QByteArrayList, after);
        QFETCH(ListSave, result);
        QFETCH(QByteArray, meanwhile);
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString();
        // A change goes to a new file that replaces the old one, which is never written: a
        // reader holding it, here through a second name, or a crash halfway sees it whole.
        const QString file = makeList(dir, setup, before), old = dir.filePath("old");
        QVERIFY(!file.isEmpty());
        QVERIFY(before.isNull() || ::link(QFile::encodeName(file), QFile::encodeName(old)) == 0);
        ScoreList list{{}, 5, 9}; // whatever an earlier load left behind is forgotten
        LoadScoreList(list, folder);
        QVERIFY(meanwhile.isNull() || (QFile::remove(file) && writeFile(file, meanwhile)));
        const auto permissions = QFile::permissions(file);
        const int holder =
            ::open(QFile::encodeName(dir.filePath("Lista.txt.lock")), O_RDWR | O_CREAT, 0666);
        QVERIFY(setup != "locked" || ::flock(holder, LOCK_EX) == 0);
        const QStringList entries = entriesOf(dir);

        // Writes past 40 bytes fail as on a full disk; the old file is larger than that.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const rlimit small{setup == "disk" ? 40 : saved.rlim_cur, saved.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const std::string name = windows1251("Александарович").toStdString();
        const ListSave done =
            score == 0
                ? (ClearScoreList(folder) ? ListSave::Saved : ListSave::Failed)
                : AddScoreLine(list, BuildScoreLine(name, score, {1, 3, 2026}), folder, {{}, {}});
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &saved), 0);
        ::close(holder);

        QCOMPARE(done, result);
        QByteArray held; // on a fault, the list as loaded, so a later attempt adds its line once
        for (int i = 1; i <= list.count; ++i)
            held += list.lines[i] + "\r\n";
        QCOMPARE(held, fileOf(after));
        QCOMPARE(list.lowestScore, after.isEmpty() ? 0 : ScoreOf(after.last().toStdString()));
        const bool ok = done == ListSave::Saved;
        QCOMPARE(readFile(file), !ok     ? (meanwhile.isNull() ? before : meanwhile)
                                 : score ? fileOf(after)
                                         : "<missing>");
        QCOMPARE(readFile(old), before.isNull() ? "<missing>" : before);
        if (!before.isNull() && QFile::exists(file))
            QCOMPARE(QFile::permissions(file), permissions);
        // No temporary file is left, nor a second list under another name or instead of a link.
        QStringList expected = entries.filter(QRegularExpression("^(?!.*tmp)"));
        if (before.isNull())
            expected.prepend("Lista.txt");
        if (ok && !score)
            expected.removeAll(QFileInfo(file).fileName());
        QCOMPARE(entriesOf(dir), expected);
        QCOMPARE(QFileInfo(dir.filePath("Lista.txt")).isSymLink(), setup == "link");
    }

    // A list that came with the program, in a folder the player cannot write, starts the
    // player's own list the first time only: never over the player's list nor after a clearing.
    void startsFromAListThatCameWithTheProgram()
    {
        QTemporaryDir program, own;
        const std::string from = program.path().toStdString(), to = own.path().toStdString();
        SeedScoreList(from, to); // nothing came with it
        QCOMPARE(readFile(own.filePath("Lista.txt")), "<missing>");
        QVERIFY(!makeList(program, "protected", fileOf({line(60, "a")})).isEmpty());
        SeedScoreList(from, to);
        ScoreList list; // the copy is not write-protected
        QCOMPARE(AddScoreLine(list, line(40, "c").toStdString(), to), ListSave::Saved);
        SeedScoreList(from, to);
        QCOMPARE(readFile(own.filePath("Lista.txt")), fileOf({line(60, "a"), line(40, "c")}));
        QVERIFY(ClearScoreList(to));
        SeedScoreList(from, to);
        QCOMPARE(readFile(own.filePath("Lista.txt")), "<missing>");
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
        first.start(LISTWRITER, {dir.path(), "70", "w70", "pause"});
        QVERIFY(first.waitForReadyRead(10000)); // it says it has paused
        QCOMPARE(entriesOf(dir).filter(".tmp").size(), 1);
        second.start(LISTWRITER, {dir.path(), "50", "w50"});
        QVERIFY(second.waitForReadyRead(10000)); // it says it has loaded the list
        QVERIFY(!second.waitForFinished(300));
        if (killed)
            first.kill();
        first.closeWriteChannel(); // a paused writer goes on

        QVERIFY(first.waitForFinished() && second.waitForFinished());
        QCOMPARE(second.exitCode(), 0);
        const QByteArrayList both{line(70, "w70"), line(60, "a"), line(50, "w50")};
        QCOMPARE(readFile(file), fileOf(killed ? both.mid(1) : both));
        QCOMPARE(entriesOf(dir), QStringList({"Lista.txt", "Lista.txt.lock"}));
    }
};

QTEST_GUILESS_MAIN(TestScoreList)
#include "tst_scorelist.moc"
