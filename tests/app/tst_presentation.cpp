#include "ColourButton.h"
#include "ModalAnswerer.h"
#include "TestModule.h"
#include "frmGlavna.h"
#include "frmPetGre.h"
#include "frmSkor.h"

#include <QtTest>

namespace {

const QColor kRed(255, 0, 0);
const QColor kCyan(0, 255, 255);

// Block 1 starts with a four-answer and a two-answer picture question.
std::string bank()
{
    auto lines = testbank::lines(testbank::kSmallest);
    lines[0] = testbank::record("S", {"Икс", "Бе", "Це", "Де"});
    lines[1] = testbank::record("S", {"Први", "Други"});
    return testbank::join(lines);
}

// A started game whose questions are the bank's questions 1..20 in order.
struct Game
{
    explicit Game(std::vector<double> draws = {0.0}) : t(bank()), w(*t.module)
    {
        t.writeArchive();
        w.cmdLingvar->click();
        for (int i = 1; i <= kGameLength; ++i)
            w.session.gameQuestions[i] = static_cast<std::int16_t>(i);
        t.module->random = Random(std::move(draws));
    }
    void next() { w.cmdDalje->click(); }
    void answer(bool correct)
    {
        const int row = correct ? w.session.correctPosition : w.session.correctPosition % 2 + 1;
        w.cmdOdgovor[row]->click();
    }
    QStringList rows() const
    {
        QStringList out;
        for (int r = 1; r <= 4; ++r) {
            if (w.lblOdgovor[r]->isVisibleTo(&w))
                out << w.lblOdgovor[r]->text();
        }
        return out;
    }

    TestModule t;
    frmGlavna w;
};

} // namespace

class TestPresentation : public QObject
{
    Q_OBJECT
private slots:
    void theFirstTwoQuestionsShowAPictureAndTheThirdTheMascot()
    {
        Game g;
        g.next();
        QCOMPARE(g.w.lblBrPitanja->text(), QStringLiteral("ПИТАЊЕ БРОЈ 1"));
        QCOMPARE(g.w.lblPitanje->text(), QStringLiteral("На слици десно је:"));
        QVERIFY(g.w.Timer1->isActive());
        QVERIFY(g.w.lblIzvestaj->text().isEmpty());
        QVERIFY(!g.w.imgSlika->pixmap().isNull());
        QVERIFY(!g.w.imgMudrica->isVisibleTo(&g.w));
        QCOMPARE(g.w.lblPrazno[1]->palette().color(QPalette::Window), kRed);
        QCOMPARE(g.w.lblPrazno[2]->palette().color(QPalette::Window), kCyan);
        g.answer(true);
        g.next();
        QVERIFY(!g.w.imgSlika->pixmap().isNull());
        QCOMPARE(QFileInfo(g.t.dir.filePath("t.gif")).size(), 3834); // picture 2's length
        g.answer(false);
        g.next();
        QCOMPARE(g.w.lblBrPitanja->text(), QStringLiteral("ПИТАЊЕ БРОЈ 3"));
        QVERIFY(g.w.imgSlika->pixmap().isNull());
        QVERIFY(g.w.imgMudrica->isVisibleTo(&g.w));
    }

    void aMissingArchiveShowsTheMascotInstead()
    {
        Game g;
        QFile::remove(g.t.dir.filePath("Slike.dat"));
        g.next();
        QVERIFY(g.w.imgSlika->pixmap().isNull());
        QVERIFY(g.w.imgMudrica->isVisibleTo(&g.w));
        QVERIFY(g.w.Timer1->isActive()); // the question is played all the same
    }

    void eachHeadChoosesItsLine()
    {
        Game g;
        const QStringList expected = {
            "На слици десно је:", "На слици десно је:", "Шта је боље рећи?",
            "Шта је боље рећи?",  "Шта је боље рећи?",  "Која реченица нема правописну грешку?"};
        for (int n = 1; n <= kGameLength; ++n) {
            g.next();
            if (n <= expected.size())
                QCOMPARE(g.w.lblPitanje->text(), expected[n - 1]);
            if (n == 12)
                QCOMPARE(g.w.lblPitanje->text(),
                         QStringLiteral("Која реченица нема граматичку грешку?"));
            if (n == 16)
                QCOMPARE(g.w.lblPitanje->text(),
                         QStringLiteral("Која реченица нема језичку грешку?"));
            if (n == 19)
                QCOMPARE(g.w.lblPitanje->text(), QStringLiteral("Питање 19?"));
            g.answer(true);
        }
    }

    void fourAnswersThenTwoHidesRowsThreeAndFour()
    {
        Game g;
        g.next();
        QCOMPARE(g.rows().size(), 4);
        QCOMPARE(g.w.session.answerCount, 4);
        g.answer(true);
        g.next();
        QCOMPARE(g.rows(), (QStringList{"Први ", "Други "}));
        QVERIFY(!g.w.cmdOdgovor[3]->isVisibleTo(&g.w));
        QVERIFY(!g.w.cmdOdgovor[4]->isVisibleTo(&g.w));
    }

    // Only one swap: the correct answer goes to the drawn row, that row's answer to row 1.
    void theCorrectAnswerChangesPlacesWithTheDrawnRow_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("row 1") << 0.0 << 1 << QStringList{"Икс ", "Бе ", "Це ", "Де "};
        QTest::newRow("row 2") << 0.3 << 2 << QStringList{"Бе ", "Икс ", "Це ", "Де "};
        QTest::newRow("row 3") << 0.6 << 3 << QStringList{"Це ", "Бе ", "Икс ", "Де "};
        QTest::newRow("row 4") << 0.99 << 4 << QStringList{"Де ", "Бе ", "Це ", "Икс "};
    }
    void theCorrectAnswerChangesPlacesWithTheDrawnRow()
    {
        QFETCH(double, draw);
        QFETCH(int, position);
        QFETCH(QStringList, rows);
        Game g({draw});
        g.next();
        QCOMPARE(int(g.w.session.correctPosition), position);
        QCOMPARE(g.rows(), rows);
        for (int r = 1; r <= 4; ++r) {
            QVERIFY(g.w.cmdOdgovor[r]->isEnabled());
            QCOMPARE(g.w.cmdOdgovor[r]->backgroundColour(), QColor(224, 224, 224));
        }
    }

    void givingUpCountsAsUnansweredAndTheNextPressGoesOn()
    {
        Game g({0.6});
        g.next();
        g.w.Timer1_Timer();
        g.next();
        QVERIFY(!g.w.Timer1->isActive());
        QCOMPARE(g.w.lblIzvestaj->text(),
                 QStringLiteral("Нисте одговорили на питање. Тачан је одговор В."));
        QCOMPARE(g.w.lblBrBezO->text(), QStringLiteral("1"));
        for (int r = 1; r <= 4; ++r)
            QVERIFY(!g.w.cmdOdgovor[r]->isEnabled());
        QCOMPARE(g.w.session.questionNumber, 1);
        g.next();
        QCOMPARE(g.w.session.questionNumber, 2);
        QCOMPARE(g.w.lblPrazno[1]->palette().color(QPalette::Window), kRed); // a miss stays red
    }

    // Misses in any mix of wrong answers and questions left to run out.
    void sixMissesInTheFirstTenStopTheGame_data()
    {
        QTest::addColumn<QString>("plays");    // c correct, w wrong, g given up, t timed out
        QTest::addColumn<int>("stoppedAfter"); // 0: no stop
        QTest::newRow("six wrong") << "wwwwww" << 6;
        QTest::newRow("mixed") << "wgtcwgw" << 7;
        QTest::newRow("five in ten go on") << "wcwcgctcwc" << 0;
        QTest::newRow("five misses by ten") << "cccccwwwww" << 0;
        QTest::newRow("sixth miss at 10") << "ccccwwwwww" << 10;
    }
    void sixMissesInTheFirstTenStopTheGame()
    {
        QFETCH(QString, plays);
        QFETCH(int, stoppedAfter);
        Game g({0.3, 0.7, 0.1});
        ModalAnswerer modals;
        modals.then(ModalAnswerer::click(&frmPetGre::cmdIzlaz));
        for (QChar play : plays) {
            g.next();
            if (play == 'c' || play == 'w')
                g.answer(play == 'c');
            else if (play == 'g')
                g.next();
            else
                for (int i = 0; i < 310; ++i)
                    g.w.Timer1_Timer();
        }
        g.next();
        if (stoppedAfter) {
            QCOMPARE(modals.answered(), 1);
            QCOMPARE(g.w.session.questionNumber, stoppedAfter);
            QVERIFY(g.w.FraMudrica->isVisibleTo(&g.w));
            QVERIFY(g.w.cmdLingvar->isEnabled());
        } else {
            QCOMPARE(modals.answered(), 0);
            QCOMPARE(int(g.w.session.questionNumber), plays.size() + 1);
        }
    }

    void thereIsNoQuestion21()
    {
        Game g;
        ModalAnswerer modals;
        modals.then(ModalAnswerer::click(&frmSkor::cmdIzlaz));
        for (int n = 1; n <= kGameLength; ++n) {
            g.next();
            if (n < kGameLength)
                g.answer(n % 4 != 0); // a miss now and then, too few to stop the game
        }
        QCOMPARE(g.w.session.questionNumber, 20);
        QVERIFY(g.w.Timer1->isActive());
        g.next(); // gives question 20 up
        QCOMPARE(modals.answered(), 0);
        QCOMPARE(g.w.session.unansweredCount, 1);
        g.next(); // ends the game
        QCOMPARE(modals.seen(), QStringList{"frmSkor"});
        QCOMPARE(g.w.session.questionNumber, 20);
        QVERIFY(g.w.FraMudrica->isVisibleTo(&g.w));
        for (int i = 1; i <= kGameLength; ++i) {
            const bool missed = i % 4 == 0 || i == 20;
            QCOMPARE(g.w.lblPrazno[i]->palette().color(QPalette::Window), kRed); // all were played
            QCOMPARE(g.w.imgOpan[i]->isVisibleTo(&g.w), !missed);
        }
    }
};

QTEST_MAIN(TestPresentation)
#include "tst_presentation.moc"
