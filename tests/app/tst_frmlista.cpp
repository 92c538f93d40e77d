#include "ScreenTesting.h"
#include "TestFiles.h"
#include "TestModule.h"
#include "frmLista.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kEmptyRow = QStringLiteral(" Нема уписаних.");

// The list file holding lines, in the stored encoding; whether it was written whole.
[[nodiscard]] bool writeList(const QString &path, const QStringList &lines)
{
    QByteArrayList stored;
    for (const QString &line : lines)
        stored << windows1251(line);
    return writeFile(path, fileOf(stored));
}

// Lines of the list, best first, with Cyrillic names.
QStringList sampleLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1  %2%3.03.2026.")
                     .arg(100 - i, 4)
                     .arg(QStringLiteral("Играч %1").arg(i), -12)
                     .arg(i % 28 + 1, 2, 10, QChar('0'));
    return lines;
}

} // namespace

class TestFrmLista : public QObject
{
    Q_OBJECT
private slots:
    void withoutLinesShowsTheEmptyRow_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::newRow("no list file") << false;
        QTest::newRow("empty list file") << true;
    }
    void withoutLinesShowsTheEmptyRow()
    {
        QFETCH(bool, exists);
        TestModule t;
        if (exists)
            QVERIFY(writeList(t.dir.filePath(kScoreFileName), {}));
        frmLista dlg(*t.module);
        dlg.show();
        QCOMPARE(rows(dlg.List1), QStringList{kEmptyRow});
        QVERIFY(!dlg.cmdBrisi->isEnabled());
        QCOMPARE(dlg.cmdBrisi->text(), QStringLiteral("Поништи листу"));
        QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(dlg.cmdIzlaz));
    }

    void showsNumberedRowsAlignedOnTheirLastDigit_data()
    {
        QTest::addColumn<int>("inFile");
        QTest::addColumn<int>("shown");
        QTest::newRow("one line") << 1 << 1;
        QTest::newRow("thirty lines") << 30 << 30;
        QTest::newRow("thirty-five lines") << 35 << 30;
    }
    void showsNumberedRowsAlignedOnTheirLastDigit()
    {
        QFETCH(int, inFile);
        QFETCH(int, shown);
        TestModule t;
        const QStringList lines = sampleLines(inFile);
        QVERIFY(writeList(t.dir.filePath(kScoreFileName), lines));
        t.module->scoreList.count = 0;
        frmLista dlg(*t.module);
        dlg.show();
        const QStringList shownRows = rows(dlg.List1);
        QCOMPARE(shownRows.size(), shown);
        for (int i = 1; i <= shown; ++i) {
            const QString &row = shownRows[i - 1];
            // the full stop after the number stands in the fourth column on every row
            QCOMPARE(row.left(4), QString::number(i).rightJustified(3) + '.');
            QCOMPARE(row.mid(4), lines[i - 1]);
        }
        QCOMPARE(shownRows.first().left(4), QStringLiteral("  1."));
        QVERIFY(dlg.cmdBrisi->isEnabled());
        QCOMPARE(int(t.module->scoreList.count), shown);
        QCOMPARE(dlg.List1->font().family(), QStringLiteral("Courier New"));
        QVERIFY(dlg.List1->font().bold());
        QCOMPARE(dlg.List1->font().pointSizeF(), 12.0);
    }

    void clearingEmptiesTheListAtOnce_data()
    {
        QTest::addColumn<bool>("goneBefore");
        QTest::newRow("list file present") << false;
        QTest::newRow("list file deleted meanwhile") << true;
    }
    void clearingEmptiesTheListAtOnce()
    {
        QFETCH(bool, goneBefore);
        TestModule t;
        const QString file = t.dir.filePath(kScoreFileName);
        QVERIFY(writeList(file, sampleLines(3)));
        frmLista dlg(*t.module);
        dlg.show();
        QCOMPARE(dlg.List1->count(), 3);
        if (goneBefore)
            QVERIFY(QFile::remove(file));
        dlg.cmdBrisi->click();
        QVERIFY(dlg.isVisible());
        QVERIFY(!QFile::exists(file));
        QCOMPARE(rows(dlg.List1), QStringList{kEmptyRow});
        QVERIFY(!dlg.cmdBrisi->isEnabled());

        frmLista again(*t.module);
        QCOMPARE(rows(again.List1), QStringList{kEmptyRow});
        QVERIFY(!again.cmdBrisi->isEnabled());
    }

    void leftOnlyThroughIzlaz()
    {
        TestModule t;
        QVERIFY(writeList(t.dir.filePath(kScoreFileName), sampleLines(2)));
        frmLista dlg(*t.module);
        bool stayed = false;
        bool closed = false;
        whenModal([&](ScreenDialog *screen) {
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(keyTarget(screen), key);
            screen->close();
            stayed = screen->isVisible();
            dlg.cmdIzlaz->click();
            closed = !screen->isVisible();
        });
        dlg.exec();
        QVERIFY(stayed);
        QVERIFY(closed);
        QVERIFY(QFile::exists(t.dir.filePath(kScoreFileName)));
    }

    void focusMovesIzlazListClear()
    {
        TestModule t;
        QVERIFY(writeList(t.dir.filePath(kScoreFileName), sampleLines(2)));
        frmLista dlg(*t.module);
        dlg.show();
        QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(dlg.cmdIzlaz));
        QCOMPARE(tabOrder(dlg.cmdIzlaz), (QList<QWidget *>{dlg.cmdIzlaz, dlg.List1, dlg.cmdBrisi}));
    }
};

QTEST_MAIN(TestFrmLista)
#include "tst_frmlista.moc"
