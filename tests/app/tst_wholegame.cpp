#include "ColourButton.h"
#include "ModalAnswerer.h"
#include "TestFiles.h"
#include "TestFolder.h"
#include "frmGlavna.h"
#include "frmSkor.h"

#include <QDate>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

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
            for (int i = 0; i < (p == 'l' ? 60 : p == 't' ? 1000 : 0) && w.Timer1->isActive(); ++i)
                w.Timer1_Timer();
            if (p == 'g')
                w.cmdDalje->click();
            else if (p != 't')
                w.cmdOdgovor[p != 'w' ? correct : correct == 1 ? 2 : 1]->click();
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

// Clicks the screen's button of that text; another text is typed as a name, and "Излаз" clicked.
static ModalAnswerer::Action press(const QString &choice)
{
    return [choice](QWidget *screen) {
        for (QPushButton *button : screen->findChildren<QPushButton *>()) {
            if (button->text() == choice)
                return button->click();
        }
        QTest::keyClicks(screen->findChild<QLineEdit *>(), choice);
        press("Излаз")(screen);
    };
}

class TestWholeGame : public QObject
{
    Q_OBJECT
private slots:
    // A finished game shows its points and offers the list as the score allows; a name entered is
    // stored and the list shown. One that cannot reach five opanci in ten questions stops at once.
    void theEndOfAGame_data()
    {
        QTest::addColumn<QString>("plays");
        QTest::addColumn<QByteArray>("list"); // at the end; a full one is there from the start
        QTest::addColumn<QString>("points"); // for correct answers, for red time, in all
        QTest::addColumn<bool>("offered");
        QTest::addColumn<QStringList>("choices"); // on the screens that come up, in turn
        QTest::addColumn<int>("last"); // question
        const QString half = QString(10, 'c') + QString(10, 'w');
        const QString today = QDate::currentDate().toString("dd.MM.yyyy.");
        const QByteArray none;
        QTest::newRow("a perfect game, a name")
            << QString(20, 'c') << windows1251(" 100  Игра~       " + today + "\r\n")
            << " 80 |20 | 100 " << true << QStringList{"Да", "Igra~", "Излаз"} << 20;
        QTest::newRow("Не") << half << none << " 40 |10 | 50 " << true << QStringList{"Не"} << 20;
        QTest::newRow("Да, then Одустани")
            << half << none << " 40 |10 | 50 " << true << QStringList{"Да", "Одустани"} << 20;
        QTest::newRow("equal to the 30th line")
            << "ccclllllllllwwwwwwww" << kFullList << " 48 |3 | 51 " << false
            << QStringList{"Излаз"} << 20;
        QTest::newRow("six wrong answers")
            << "wwwwww" << none << "" << false << QStringList{"Излаз"} << 6;
        QTest::newRow("every question runs out")
            << QString(20, 't') << none << "" << false << QStringList{"Излаз"} << 6;
        QTest::newRow("given up and wrong")
            << "cgwcgwgw" << none << "" << false << QStringList{"Излаз"} << 8;
    }
    void theEndOfAGame()
    {
        QFETCH(QString, plays);
        QFETCH(QByteArray, list);
        QFETCH(QString, points);
        QFETCH(bool, offered);
        QFETCH(QStringList, choices);
        QFETCH(int, last);
        Player p;
        if (list == kFullList)
            QVERIFY(writeFile(p.t.dir.filePath("Lista.txt"), list));
        ModalAnswerer modals;
        modals.then([&](QWidget *w) {
            if (auto *s = qobject_cast<frmSkor *>(w)) {
                QCOMPARE(s->lblTacniOd->text() + '|' + s->lblCrvVr->text() + '|' +
                             s->lblUkupno->text(), points);
                QCOMPARE(s->fraUpis->isVisible(), offered);
            }
            press(choices[0])(w);
        });
        for (const QString &choice : choices.mid(1))
            modals.then(press(choice));
        p.play(plays);
        const QStringList seen{points.isEmpty() ? "frmPetGre" : "frmSkor", "frmUpis", "frmLista"};
        QCOMPARE(modals.seen(), seen.first(choices.size()));
        QCOMPARE(int(p.w.game().questionNumber()), last);
        QCOMPARE(p.list(), list.isEmpty() ? "<missing>" : list);
        QVERIFY(!p.w.FraMudrica->isHidden() && p.w.cmdLingvar->isEnabled());
    }

    // "Крај" and the window manager's close ask first; "Не" keeps the program open.
    void closingTheMainScreenAsksFirst_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::addColumn<QString>("choice");
        QTest::newRow("Крај, Да") << true << "Да";
        QTest::newRow("Крај, Не") << true << "Не";
        QTest::newRow("window manager, Да") << false << "Да";
        QTest::newRow("window manager, Не") << false << "Не";
    }
    void closingTheMainScreenAsksFirst()
    {
        QFETCH(bool, byButton);
        QFETCH(QString, choice);
        Player p;
        p.w.show();
        ModalAnswerer modals{press(choice)};
        byButton ? p.w.cmdKraj->click() : void(p.w.close());
        QCOMPARE(modals.seen(), QStringList{"frmDaNe"});
        QCOMPARE(p.w.isVisible(), choice == "Не");
        QVERIFY(p.w.cmdLingvar->isEnabled());
    }
};

QTEST_MAIN(TestWholeGame)
#include "tst_wholegame.moc"
