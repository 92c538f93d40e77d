#include "ColourButton.h"
#include "DrawingBox.h"
#include "TestModule.h"
#include "frmGlavna.h"

#include <QtTest>

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 128);
const QColor kGrey(224, 224, 224);

// A question running the way presentation leaves one: rows shown, time bar reset, timer on.
void runQuestion(frmGlavna &w, int number, int answers, int correct)
{
    w.cmdLingvar->click();
    w.session.questionNumber = static_cast<std::int16_t>(number);
    w.session.answerCount = static_cast<std::int16_t>(answers);
    w.session.correctPosition = static_cast<std::int16_t>(correct);
    for (int i = 1; i <= answers; ++i) {
        w.cmdOdgovor[i]->show();
        w.cmdOdgovor[i]->setEnabled(true);
        w.cmdOdgovor[i]->setBackgroundColour(kGrey);
    }
    w.ResetTimeBar();
    w.Timer1->start();
}

void tick(frmGlavna &w, int times)
{
    for (int i = 0; i < times; ++i)
        w.Timer1_Timer();
}

} // namespace

class TestAnswering : public QObject
{
    Q_OBJECT
private slots:
    void theBarRunsRedThenBlueAndTimesOutAtTick310()
    {
        TestModule t;
        frmGlavna w(*t.module);
        runQuestion(w, 1, 3, 2);
        tick(w, 54);
        QCOMPARE(w.pctVreme->penPosition(), 99.0f);
        tick(w, 1); // the stroke at 99
        QCOMPARE(w.pctVreme->penPosition(), 101.0f);
        QCOMPARE(w.pctVreme->pixel(99, 4), kRed);
        QCOMPARE(w.pctVreme->pixel(101, 4), kGrey);
        tick(w, 1); // the stroke at 101
        QCOMPARE(w.pctVreme->pixel(101, 4), kBlue);
        QCOMPARE(w.pctVreme->pixel(100, 8), kBlue); // a stroke of width 2 covers x-1 and x
        tick(w, 309 - 56);
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.session.unansweredCount, 0);
        tick(w, 1);
        QCOMPARE(w.pctVreme->penPosition(), 611.0f);
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.pctVreme->pixel(608, 0), kBlue); // the bar is full to its end
        QCOMPARE(w.session.unansweredCount, 1);
        QCOMPARE(w.lblBrBezO->text(), QStringLiteral("1"));
        QCOMPARE(w.session.wrongCount + w.session.correctCount, 0);
        QCOMPARE(w.lblIzvestaj->text(),
                 QStringLiteral("Нисте одговорили на питање. Тачан је одговор Б."));
        for (int i = 1; i <= 3; ++i) {
            QVERIFY(!w.cmdOdgovor[i]->isEnabled());
            QCOMPARE(w.cmdOdgovor[i]->backgroundColour(), kGrey);
        }
        // no answer can follow the time-out
        w.cmdOdgovor[2]->click();
        QCOMPARE(w.session.correctCount, 0);
    }

    void aCorrectAnswerEarnsRedTimeOnlyBefore101_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("redTime");
        QTest::newRow("before the first stroke (-9)") << 0 << 1;
        QTest::newRow("at 99") << 54 << 1;
        QTest::newRow("at 101") << 55 << 0;
        QTest::newRow("in the blue") << 200 << 0;
    }
    void aCorrectAnswerEarnsRedTimeOnlyBefore101()
    {
        QFETCH(int, ticks);
        QFETCH(int, redTime);
        TestModule t;
        frmGlavna w(*t.module);
        runQuestion(w, 7, 4, 3);
        tick(w, ticks);
        w.cmdOdgovor[3]->click();
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.lblIzvestaj->text(), QStringLiteral("Тачно! "));
        QCOMPARE(w.session.correctCount, 1);
        QCOMPARE(w.lblBrTacO->text(), QStringLiteral("1"));
        QCOMPARE(int(w.session.redTimeCount), redTime);
        QCOMPARE(w.lblBrCrVr->text(), QString::number(redTime));
        QCOMPARE(w.session.wrongCount, 0);
        // the opanak goes into the question's own slot, not the first free one
        for (int i = 1; i <= 20; ++i)
            QCOMPARE(w.imgOpan[i]->isVisibleTo(&w), i == 7);
    }

    void aWrongAnswerInTheRedTimeCountsOnlyAsWrong()
    {
        TestModule t;
        frmGlavna w(*t.module);
        runQuestion(w, 2, 4, 4);
        tick(w, 10);
        w.cmdOdgovor[1]->click();
        QCOMPARE(w.lblIzvestaj->text(), QStringLiteral("Погрешили сте! Тачан је одговор Г."));
        QCOMPARE(w.session.wrongCount, 1);
        QCOMPARE(w.lblBrNetO->text(), QStringLiteral("1"));
        QCOMPARE(w.session.redTimeCount, 0);
        QCOMPARE(w.session.correctCount, 0);
        QVERIFY(!w.imgOpan[2]->isVisibleTo(&w));
    }

    void thePressedButtonTurnsYellowAndAllAreLocked()
    {
        TestModule t;
        frmGlavna w(*t.module);
        runQuestion(w, 1, 4, 1);
        w.cmdOdgovor[2]->click();
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(!w.cmdOdgovor[i]->isEnabled());
            QCOMPARE(w.cmdOdgovor[i]->backgroundColour(), i == 2 ? QColor(255, 255, 0) : kGrey);
        }
        // the closed question takes no more ticks
        const float pen = w.pctVreme->penPosition();
        QVERIFY(!w.Timer1->isActive());
        w.cmdOdgovor[1]->click();
        QCOMPARE(w.session.correctCount, 0);
        QCOMPARE(w.pctVreme->penPosition(), pen);
    }

    void theBarKeepsItsStrokesWhenRepainted()
    {
        TestModule t;
        frmGlavna w(*t.module);
        w.show();
        runQuestion(w, 1, 2, 1);
        tick(w, 60);
        const QImage shown = w.pctVreme->grab().toImage();
        QCOMPARE(shown.pixelColor(50, 4), kRed);
        QCOMPARE(shown.pixelColor(105, 4), kBlue);
        QCOMPARE(shown.pixelColor(200, 4), kGrey);
    }
};

QTEST_MAIN(TestAnswering)
#include "tst_answering.moc"
