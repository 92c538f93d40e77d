#include "ColourButton.h"
#include "ModalAnswerer.h"
#include "ScreenTesting.h"
#include "TestModule.h"
#include "frmGlavna.h"
#include "frmLista.h"
#include "frmSkor.h"
#include "frmUpis.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

namespace {

// A list file whose lines hold these scores, best first.
QByteArray listOf(const QList<int> &scores)
{
    QByteArray bytes;
    for (int score : scores)
        bytes += QByteArray::fromStdString(
                     BuildScoreLine("Player", static_cast<std::int16_t>(score), {1, 3, 2026})) +
                 "\r\n";
    return bytes;
}

QList<int> descending(int count, int last)
{
    QList<int> scores;
    for (int i = count - 1; i >= 0; --i)
        scores << last + i;
    return scores;
}

} // namespace

class TestFinishGame : public QObject
{
    Q_OBJECT
private slots:
    void theResultAndTheOfferOfTheList_data()
    {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("red");
        QTest::addColumn<QByteArray>("list");
        QTest::addColumn<QStringList>("texts"); // the three result lines
        QTest::addColumn<bool>("offered");
        const QByteArray noFile = "-";
        QTest::newRow("no correct answer")
            << 0 << 0 << noFile << QStringList{" 0 ", "0 ", " 0 "} << false;
        QTest::newRow("all twenty in the red time")
            << 20 << 20 << noFile << QStringList{" 80 ", "20 ", " 100 "} << true;
        QTest::newRow("12 correct, 3 in the red time")
            << 12 << 3 << noFile << QStringList{" 48 ", "3 ", " 51 "} << true;
        QTest::newRow("29 lines take a score of 1")
            << 0 << 1 << listOf(descending(29, 60)) << QStringList{" 0 ", "1 ", " 1 "} << true;
        QTest::newRow("a full list does not take an equal score")
            << 12 << 2 << listOf(descending(30, 50)) << QStringList{" 48 ", "2 ", " 50 "} << false;
        QTest::newRow("a full list takes a better score")
            << 12 << 3 << listOf(descending(30, 50)) << QStringList{" 48 ", "3 ", " 51 "} << true;
        QTest::newRow("an empty list file")
            << 1 << 0 << QByteArray() << QStringList{" 4 ", "0 ", " 4 "} << true;
    }
    void theResultAndTheOfferOfTheList()
    {
        QFETCH(int, correct);
        QFETCH(int, red);
        QFETCH(QByteArray, list);
        QFETCH(QStringList, texts);
        QFETCH(bool, offered);
        TestModule t;
        if (list != "-")
            testbank::write(t.path("Lista.txt"), list.toStdString());
        frmGlavna w(*t.module);
        w.cmdLingvar->click();
        w.session.correctCount = static_cast<std::int16_t>(correct);
        w.session.redTimeCount = static_cast<std::int16_t>(red);
        w.lblBrCrVr->setText(QString::number(red));
        t.module->scoreList.count = 7; // left alone when the list is not read

        ModalAnswerer modals;
        bool frameShown = false;
        QStringList shown;
        modals.then([&](QWidget *screen) {
            auto *skor = qobject_cast<frmSkor *>(screen);
            shown = {skor->lblTacniOd->text(), skor->lblCrvVr->text(), skor->lblUkupno->text()};
            frameShown = skor->fraUpis->isVisible();
            (frameShown ? skor->cmdNe : skor->cmdIzlaz)->click();
        });
        w.FinishGame();
        QCOMPARE(modals.seen(), QStringList{"frmSkor"});
        QCOMPARE(shown, texts);
        QCOMPARE(frameShown, offered);
        QCOMPARE(int(t.module->finalScore), texts[2].trimmed().toInt());
        if (t.module->finalScore == 0)
            QCOMPARE(t.module->scoreList.count, 7);
        QVERIFY(w.FraMudrica->isVisibleTo(&w));
        QVERIFY(w.tag.isEmpty());
        QFile file(t.dir.filePath("Lista.txt"));
        if (list == "-")
            QVERIFY(!file.exists());
        else
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll() == list);
    }

    void theNameEntryAndTheList_data()
    {
        QTest::addColumn<QString>("name"); // empty: "Одустани"
        QTest::addColumn<QStringList>("screens");
        QTest::newRow("Да, then Одустани") << QString() << QStringList{"frmSkor", "frmUpis"};
        QTest::newRow("Да, then a name")
            << "Marko" << QStringList{"frmSkor", "frmUpis", "frmLista"};
    }
    void theNameEntryAndTheList()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, screens);
        TestModule t;
        const QByteArray list = listOf({90, 70, 30});
        testbank::write(t.path("Lista.txt"), list.toStdString());
        frmGlavna w(*t.module);
        w.cmdLingvar->click();
        w.session.correctCount = 15;
        w.lblBrCrVr->setText("2");
        w.session.redTimeCount = 2;

        ModalAnswerer modals;
        QStringList listed;
        modals.then(ModalAnswerer::click(&frmSkor::cmdDa)).then([&](QWidget *screen) {
            auto *upis = qobject_cast<frmUpis *>(screen);
            if (name.isEmpty()) {
                upis->cmdOdustani->click();
                return;
            }
            QTest::keyClicks(upis->txtIme, name);
            upis->cmdIzlaz->click();
        });
        modals.then([&](QWidget *screen) {
            auto *lista = qobject_cast<frmLista *>(screen);
            listed = rows(lista->List1);
            lista->cmdIzlaz->click();
        });
        w.FinishGame();
        QCOMPARE(modals.seen(), screens);
        QVERIFY(w.tag.isEmpty());
        QFile file(t.dir.filePath("Lista.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        if (name.isEmpty()) {
            QCOMPARE(after, list);
            return;
        }
        QCOMPARE(listed.size(), 4);
        QVERIFY2(listed[2].startsWith(QStringLiteral("  3.  62  Марко")), qPrintable(listed[2]));
        QCOMPARE(after.count("\r\n"), 4);
    }
};

QTEST_MAIN(TestFinishGame)
#include "tst_finishgame.moc"
