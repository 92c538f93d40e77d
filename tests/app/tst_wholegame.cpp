#include "ColourButton.h"
#include "Cp1251.h"
#include "ModalAnswerer.h"
#include "TestModule.h"
#include "frmDaNe.h"
#include "frmGlavna.h"
#include "frmLista.h"
#include "frmPetGre.h"
#include "frmSkor.h"
#include "frmUpis.h"

#include <QDate>
#include <QLineEdit>
#include <QtTest>

namespace {

// Whole games on the real screens, on a bank written by the test.
struct Player
{
    Player() : w(*t.module) { t.writeArchive(); }

    // Presses "Лингвар", then plays each question as its letter says, pressing "Даље" first:
    // c correct at once, w wrong, t left to run out, g given up.
    void play(const QString &plays)
    {
        w.cmdLingvar->click();
        for (QChar p : plays) {
            w.cmdDalje->click();
            if (!w.Timer1->isActive())
                return; // the game is over
            const int correct = w.session.correctPosition;
            if (p == 'c')
                w.cmdOdgovor[correct]->click();
            else if (p == 'w')
                w.cmdOdgovor[correct % w.session.answerCount + 1]->click();
            else if (p == 't')
                while (w.Timer1->isActive())
                    w.Timer1_Timer();
            else
                w.cmdDalje->click();
        }
        w.cmdDalje->click(); // after the last question: the end, or the early stop
    }

    QByteArray list() const
    {
        QFile f(t.dir.filePath("Lista.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    TestModule t;
    frmGlavna w;
};

} // namespace

class TestWholeGame : public QObject
{
    Q_OBJECT
private slots:
    void aPerfectGameInTheRedTimeEntersTheList()
    {
        Player p;
        ModalAnswerer modals;
        modals
            .then([](QWidget *w) {
                auto *skor = qobject_cast<frmSkor *>(w);
                QCOMPARE(skor->lblTacniOd->text(), QStringLiteral(" 80 "));
                QCOMPARE(skor->lblCrvVr->text(), QStringLiteral("20 "));
                QCOMPARE(skor->lblUkupno->text(), QStringLiteral(" 100 "));
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
        QCOMPARE(p.t.module->finalScore, 100);
        const QString date = QDate::currentDate().toString("dd.MM.yyyy.");
        const std::string line = " 100  Игра~       " + date.toStdString() + "\r\n";
        QCOMPARE(p.list(), QByteArray::fromStdString(cp1251::literal(line)));
        QCOMPARE(p.list().size(), 31);
        QVERIFY(p.w.tag.isEmpty());
        QVERIFY(p.w.FraMudrica->isVisibleTo(&p.w));
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
        QCOMPARE(int(p.w.session.questionNumber), lastQuestion);
        QVERIFY(p.w.FraMudrica->isVisibleTo(&p.w));
        QVERIFY(p.list().isEmpty());
    }

    void anAbortedGameLeavesNoTrace()
    {
        Player p;
        ModalAnswerer modals;
        p.w.cmdLingvar->click();
        for (int n = 0; n < 5; ++n) {
            p.w.cmdDalje->click();
            p.w.cmdOdgovor[p.w.session.correctPosition]->click();
        }
        p.w.cmdDalje->click();
        p.w.cmdPrekid->click();
        QVERIFY(!p.w.Timer1->isActive());
        QCOMPARE(p.w.session.correctCount, 5);
        QCOMPARE(p.w.session.unansweredCount, 0);
        QCOMPARE(modals.answered(), 0);
        QVERIFY(p.list().isEmpty());
        // the next game starts afresh
        p.w.cmdLingvar->click();
        QCOMPARE(p.w.lblBrTacO->text(), QStringLiteral("0"));
        for (int i = 1; i <= kGameLength; ++i)
            QVERIFY(!p.w.imgOpan[i]->isVisibleTo(&p.w));
    }

    void closingTheMainScreenAsksFirst_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("Крај, Да") << true << "da" << true;
        QTest::newRow("Крај, Не") << true << "ne" << false;
        QTest::newRow("window manager, Да") << false << "da" << true;
        QTest::newRow("window manager, Не") << false << "ne" << false;
    }
    void closingTheMainScreenAsksFirst()
    {
        QFETCH(bool, byButton);
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        Player p;
        p.w.show();
        ModalAnswerer modals;
        modals.then([&](QWidget *w) {
            QCOMPARE(p.w.tag, QStringLiteral(" "));
            auto *daNe = qobject_cast<frmDaNe *>(w);
            (answer == "da" ? daNe->cmdDa : daNe->cmdNe)->click();
        });
        if (byButton)
            p.w.cmdKraj->click();
        else
            p.w.close();
        QCOMPARE(modals.seen(), QStringList{"frmDaNe"});
        QCOMPARE(p.w.isVisible(), !closed);
        QCOMPARE(p.w.tag, answer);
        QVERIFY(p.w.cmdLingvar->isEnabled());
    }
};

QTEST_MAIN(TestWholeGame)
#include "tst_wholegame.moc"
