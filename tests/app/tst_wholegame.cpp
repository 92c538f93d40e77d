#include "ColourButton.h"
#include "ModalAnswerer.h"
#include "TestFiles.h"
#include "TestFolder.h"
#include "frmDaNe.h"
#include "frmGlavna.h"
#include "frmLista.h"
#include "frmPetGre.h"
#include "frmSkor.h"
#include "frmUpis.h"

#include <QDate>
#include <QFrame>
#include <QLineEdit>
#include <QtTest>

namespace {

// Whole games on the real screens, on a bank written by the test.
struct Player
{
    Player() { t.writeArchive(); }

    // Presses "Лингвар", then plays each question as its letter says, pressing "Даље" first:
    // c correct at once, l correct late, w wrong, t left to run out, g given up.
    void play(const QString &plays)
    {
        w.cmdLingvar->click();
        for (QChar p : plays) {
            w.cmdDalje->click();
            if (!w.Timer1->isActive())
                return; // the game is over
            const int correct = w.game().correctPosition();
            if (p == 'l')
                for (int i = 0; i < 60; ++i)
                    w.Timer1_Timer();
            if (p == 'c' || p == 'l')
                w.cmdOdgovor[correct]->click();
            else if (p == 'w')
                w.cmdOdgovor[correct == 1 ? 2 : 1]->click();
            else if (p == 't')
                while (w.Timer1->isActive())
                    w.Timer1_Timer();
            else
                w.cmdDalje->click();
        }
        w.cmdDalje->click(); // after the last question: the end, or the early stop
    }

    QByteArray list() const { return readFile(t.dir.filePath("Lista.txt")); }

    TestFolder t;
    frmGlavna w{t.folders()};
};

const QByteArray kFullList = [] {
    QByteArrayList lines;
    for (int i = 0; i < 30; ++i)
        lines << QByteArray::number(80 - i).rightJustified(4) + "  Name        01.02.2026.";
    return fileOf(lines); // the 30th line scores 51
}();

} // namespace

class TestWholeGame : public QObject
{
    Q_OBJECT
private slots:
    void aPerfectGameEntersTheList()
    {
        Player p;
        ModalAnswerer modals;
        modals
            .then([](QWidget *w) {
                auto *skor = qobject_cast<frmSkor *>(w);
                QVERIFY(skor);
                QCOMPARE(skor->lblTacniOd->text(), " 80 ");
                QCOMPARE(skor->lblCrvVr->text(), "20 ");
                QCOMPARE(skor->lblUkupno->text(), " 100 ");
                QVERIFY(skor->fraUpis->isVisible());
                skor->cmdDa->click();
            })
            .then([](QWidget *w) {
                auto *upis = qobject_cast<frmUpis *>(w);
                QTest::keyClicks(upis->txtIme, "Igra~");
                upis->cmdIzlaz->click();
            })
            .then(ModalAnswerer::click(&frmLista::cmdIzlaz));
        p.play(QString(20, 'c'));
        QCOMPARE(modals.seen(), (QStringList{"frmSkor", "frmUpis", "frmLista"}));
        const QString date = QDate::currentDate().toString("dd.MM.yyyy.");
        const std::string line = " 100  Игра~       " + date.toStdString() + "\r\n";
        QCOMPARE(p.list(), QByteArray::fromStdString(cp1251::literal(line)));
        QVERIFY(!p.w.FraMudrica->isHidden());
    }

    // What follows the result screen: the offer as the score and the list allow it, and the
    // player's choices.
    void theEndOfAGame_data()
    {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<QByteArray>("listBefore");
        QTest::addColumn<QString>("result"); // total points shown
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QStringList>("choices"); // the buttons pressed, screen by screen
        QTest::addColumn<QStringList>("seen");
        const QString none = QString(10, 'c') + QString(10, 'w');
        QTest::newRow("Не") << none << QByteArray() << " 50 " << true << QStringList{"Ne"}
                            << QStringList{"frmSkor"};
        QTest::newRow("Да, then Одустани") << none << QByteArray() << " 50 " << true
                                           << QStringList{"Da", "Odustani"}
                                           << QStringList{"frmSkor", "frmUpis"};
        QTest::newRow("equal to the 30th line") << "ccclllllllllwwwwwwww" << kFullList << " 51 "
                                                << false << QStringList{"Izlaz"}
                                                << QStringList{"frmSkor"};
    }
    void theEndOfAGame()
    {
        QFETCH(QString, plays);
        QFETCH(QByteArray, listBefore);
        QFETCH(QString, result);
        QFETCH(bool, offered);
        QFETCH(QStringList, choices);
        QFETCH(QStringList, seen);
        Player p;
        if (!listBefore.isEmpty())
            QVERIFY(writeFile(p.t.dir.filePath("Lista.txt"), listBefore));
        ModalAnswerer modals;
        modals.then([&](QWidget *w) {
            auto *skor = qobject_cast<frmSkor *>(w);
            QVERIFY(skor);
            QCOMPARE(skor->lblUkupno->text(), result);
            QCOMPARE(skor->fraUpis->isVisible(), offered);
            QCOMPARE(skor->focusWidget(), skor->cmdIzlaz); // also while the offer covers it
            const QString c = choices.value(0);
            (c == "Da" ? skor->cmdDa : c == "Ne" ? skor->cmdNe : skor->cmdIzlaz)->click();
        });
        if (choices.size() > 1)
            modals.then(ModalAnswerer::click(&frmUpis::cmdOdustani));
        p.play(plays);
        QCOMPARE(modals.seen(), seen);
        QCOMPARE(p.list(), listBefore.isEmpty() ? QByteArray("<missing>") : listBefore);
        QVERIFY(!p.w.FraMudrica->isHidden() && p.w.cmdLingvar->isEnabled());
    }

    void aGameStoppedEarlyShowsNoResult_data()
    {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<int>("lastQuestion");
        QTest::newRow("six wrong answers") << "wwwwww" << 6;
        QTest::newRow("every question runs out") << QString(20, 't') << 6;
        QTest::newRow("given up and wrong") << "cgwcgwgw" << 8;
    }
    void aGameStoppedEarlyShowsNoResult()
    {
        QFETCH(QString, plays);
        QFETCH(int, lastQuestion);
        Player p;
        ModalAnswerer modals;
        modals.then(ModalAnswerer::click(&frmPetGre::cmdIzlaz));
        p.play(plays);
        QCOMPARE(modals.seen(), QStringList{"frmPetGre"});
        QCOMPARE(int(p.w.game().questionNumber()), lastQuestion);
        QVERIFY(!p.w.FraMudrica->isHidden());
        QCOMPARE(p.list(), QByteArray("<missing>"));
    }

    void closingTheMainScreenAsksFirst_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<bool>("leave");
        QTest::newRow("Крај, Да") << true << true;
        QTest::newRow("Крај, Не") << true << false;
        QTest::newRow("window manager, Да") << false << true;
        QTest::newRow("window manager, Не") << false << false;
    }
    void closingTheMainScreenAsksFirst()
    {
        QFETCH(bool, byButton);
        QFETCH(bool, leave);
        Player p;
        p.w.show();
        ModalAnswerer modals;
        modals.then([&](QWidget *w) {
            auto *daNe = qobject_cast<frmDaNe *>(w);
            QCOMPARE(daNe->focusWidget(), daNe->cmdDa);
            (leave ? daNe->cmdDa : daNe->cmdNe)->click();
        });
        if (byButton)
            p.w.cmdKraj->click();
        else
            p.w.close();
        QCOMPARE(modals.seen(), QStringList{"frmDaNe"});
        QCOMPARE(p.w.isVisible(), !leave);
        QVERIFY(p.w.cmdLingvar->isEnabled());
    }
};

QTEST_MAIN(TestWholeGame)
#include "tst_wholegame.moc"
