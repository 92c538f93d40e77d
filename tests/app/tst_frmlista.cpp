#include "ScreenTesting.h"
#include "TestFiles.h"
#include "TestModule.h"
#include "frmLista.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList kEmpty{QStringLiteral(" Нема уписаних.")};

// A list file of count lines, best first, with Cyrillic names; the lines as shown.
QStringList writeList(const QString &path, int count)
{
    QStringList lines;
    QByteArrayList stored;
    for (int i = 1; i <= count; ++i) {
        lines << QStringLiteral("%1  Играч %2").arg(100 - i, 4).arg(i);
        stored << windows1251(lines.last());
    }
    if (!writeFile(path, fileOf(stored)))
        qFatal("cannot write %s", qPrintable(path));
    return lines;
}

} // namespace

class TestFrmLista : public QObject
{
    Q_OBJECT
private slots:
    // The rows are numbered and aligned on the number's last digit; "Поништи листу" clears the
    // list at once and the screen stays; only "Излаз" leaves it.
    void showsClearsAndLeavesOnlyThroughIzlaz_data()
    {
        QTest::addColumn<int>("inFile"); // -1: no list file
        QTest::addColumn<QString>("how"); // "Brisi" for "Поништи листу", or how tryToLeave tries
        QTest::newRow("no list file, Escape") << -1 << "Escape";
        QTest::newRow("one line, Return") << 1 << "Return";
        QTest::newRow("thirty-five lines, Enter") << 35 << "Enter";
        QTest::newRow("close") << 2 << "close";
        QTest::newRow("clearing") << 3 << "Brisi";
    }
    void showsClearsAndLeavesOnlyThroughIzlaz()
    {
        QFETCH(int, inFile);
        QFETCH(QString, how);
        TestModule t;
        const QString file = t.dir.filePath(kScoreFileName);
        const QStringList lines = inFile < 0 ? QStringList() : writeList(file, inFile);
        frmLista dlg(*t.module);
        const int shown = std::min(int(lines.size()), 30);
        QStringList expected; // the number's full stop stands in the fourth column on every row
        for (int i = 1; i <= shown; ++i)
            expected << QString::number(i).rightJustified(3) + '.' + lines[i - 1];
        if (expected.isEmpty())
            expected = kEmpty;
        QCOMPARE(rows(dlg.List1), expected);
        QCOMPARE(dlg.cmdBrisi->isEnabled(), shown > 0);
        QCOMPARE(int(t.module->scoreList.count), shown);

        bool stayed = false;
        bool closed = false;
        whenModal([&](ScreenDialog *screen) {
            if (how == "Brisi")
                dlg.cmdBrisi->click();
            else
                tryToLeave(screen, how);
            stayed = screen->isVisible();
            dlg.cmdIzlaz->click();
            closed = !screen->isVisible();
        });
        dlg.exec();
        QVERIFY(stayed);
        QVERIFY(closed);
        if (how == "Brisi")
            expected = kEmpty;
        QCOMPARE(rows(dlg.List1), expected);
        QCOMPARE(dlg.cmdBrisi->isEnabled(), expected != kEmpty);
        QCOMPARE(QFile::exists(file), inFile >= 0 && how != "Brisi");
    }
};

QTEST_MAIN(TestFrmLista)
#include "tst_frmlista.moc"
