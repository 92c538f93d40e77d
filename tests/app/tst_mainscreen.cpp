#include "ColourButton.h"
#include "DrawingBox.h"
#include "ScreenTesting.h"
#include "TestFiles.h"
#include "TestFolder.h"
#include "frmGlavna.h"

#include <QFrame>
#include <QtTest>
#include <iostream>
#include <sstream>

namespace {

QColor centre(const QLabel *image)
{
    const QImage picture = image->pixmap().toImage();
    return picture.isNull() ? QColor() : picture.pixelColor(picture.rect().center());
}

} // namespace

class TestMainScreen : public QObject
{
    Q_OBJECT
private slots:
    void opensIdleWithOnlyTheMenuReachable()
    {
        TestFolder t;
        frmGlavna w(t.folders());
        QVERIFY(!w.FraMudrica->isHidden() && w.imgSlika->isHidden() && w.imgMudrica->isHidden());
        for (QWidget *b : {w.cmdLingvar, w.cmdLista, w.cmdRec, w.cmdOglas, w.cmdKraj})
            QVERIFY(b->isEnabled() && b->focusPolicy() != Qt::NoFocus);
        for (QWidget *b : {w.cmdOdgovor[1], w.cmdDalje, w.cmdPrekid})
            QVERIFY(b->focusPolicy() == Qt::NoFocus &&
                    b->testAttribute(Qt::WA_TransparentForMouseEvents));
        QCOMPARE(w.Picture3->palette().color(QPalette::Window), QPalette().color(QPalette::Base));
        QCOMPARE(w.Timer1->interval(), 164);
        QCOMPARE(w.Timer1->timerType(), Qt::PreciseTimer);
        testbank::write(t.path("Pitanja.dat"), "**\r\n");
        QVERIFY_THROWS_EXCEPTION(BankError, frmGlavna(t.folders()));
    }

    // The screen shows what the game returns: the question, its rows, the verdict, the counters,
    // the slot and the opanak.
    void aQuestionAndItsVerdict_data()
    {
        QTest::addColumn<QString>("how"); // right, wrong, time-out or give-up
        QTest::addColumn<QString>("report");
        QTest::addColumn<QLabel *MainScreenLayout::*>("counter");
        QTest::newRow("right") << "right" << "Тачно! " << &MainScreenLayout::lblBrTacO;
        QTest::newRow("wrong") << "wrong" << "Погрешили сте! Тачан је одговор Б."
                               << &MainScreenLayout::lblBrNetO;
        QTest::newRow("time-out") << "time-out" << "Нисте одговорили на питање. Тачан је одговор Б."
                                  << &MainScreenLayout::lblBrBezO;
        QTest::newRow("give-up") << "give-up" << "Нисте одговорили на питање. Тачан је одговор Б."
                                 << &MainScreenLayout::lblBrBezO;
    }
    void aQuestionAndItsVerdict()
    {
        QFETCH(QString, how);
        QFETCH(QString, report);
        QFETCH(QLabel *MainScreenLayout::*, counter);
        TestFolder t;
        t.writeArchive();
        frmGlavna w(t.folders(), Random({0.5}));
        w.cmdLingvar->click();
        QVERIFY(w.FraMudrica->isHidden() && !w.cmdLingvar->isEnabled());
        QCOMPARE(w.lblIzvestaj->text(), "Треба да одговорите на 20 питања. Притисните \"Даље\".");
        w.cmdDalje->click();
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.lblBrPitanja->text(), "ПИТАЊЕ БРОЈ 1");
        QCOMPARE(w.lblPitanje->text(), "На слици десно је:");
        QCOMPARE(w.lblOdgovor[1]->text(), "нетачно ");
        QVERIFY(w.cmdOdgovor[3]->isHidden() && w.lblOdgovor[4]->isHidden());
        QCOMPARE(w.lblPrazno[1]->palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(w.imgMudrica->isHidden());
        QCOMPARE(centre(w.imgSlika), QColor(255, 0, 0));
        const auto close = [&] {
            if (how == "right" || how == "wrong")
                w.cmdOdgovor[how == "right" ? 2 : 1]->click();
            else if (how == "give-up")
                w.cmdDalje->click();
            else
                while (w.Timer1->isActive())
                    w.Timer1_Timer();
        };
        close();
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.lblIzvestaj->text(), report);
        QVERIFY(w.lblIzvestaj2->text().isEmpty()); // record 2, which has no rule
        QCOMPARE((w.*counter)->text(), "1");
        QVERIFY(!w.cmdOdgovor[1]->isEnabled() && !w.cmdOdgovor[2]->isEnabled());
        QCOMPARE(!w.imgOpan[1]->isHidden(), how == "right");
        QCOMPARE(w.lblBrCrVr->text(), how == "right" ? "1" : "0");
        const int pressed = how == "right" ? 2 : how == "wrong" ? 1 : 0;
        for (int r = 1; r <= 2; ++r)
            QCOMPARE(w.cmdOdgovor[r]->backgroundColour() == QColor(255, 255, 0), r == pressed);
        QCOMPARE(w.pctVreme->pixel(0, 4) == QColor(255, 0, 0), how == "time-out");
        w.cmdDalje->click(); // the next question erases the bar and unlocks the rows
        QCOMPARE(w.pctVreme->pixel(0, 4), QColor(224, 224, 224));
        QVERIFY(w.cmdOdgovor[1]->isEnabled());
        QCOMPARE(w.cmdOdgovor[1]->backgroundColour(), QColor(224, 224, 224));
        QVERIFY(w.lblIzvestaj->text().isEmpty());
        close();
        QCOMPARE(w.lblIzvestaj2->text(), "Зато што 1."); // shown below the verdict
        QCOMPARE(w.cmdDalje->accessibleDescription(), w.lblIzvestaj->text().trimmed() + " Зато што 1.");
        w.cmdDalje->click(); // question 3 shows the mascot, and the rule goes with the verdict
        QVERIFY(w.imgSlika->pixmap().isNull() && !w.imgMudrica->isHidden());
        QVERIFY(w.lblIzvestaj2->text().isEmpty());
    }

    // Each picture question shows its own picture, even when two pictures have the same length
    // (questions 1 and 33) and t.gif is rewritten within one second.
    void eachPictureIsTheQuestionsOwn()
    {
        TestFolder t(testbank::bytes({39, 3, 6, 4, 3, 2}));
        std::string archive(kPictureArchiveSize, '\0');
        for (int key = kFirstPictureKey; key <= kLastPictureKey; ++key)
            archive.replace(FindPicture(key)->offset - 1, 45, testGif(uchar(key), 0, uchar(255 - key)));
        testbank::write(t.path(kPictureArchiveName), archive);
        frmGlavna w(t.folders(), Random({0.37, 0.81, 0.13}));
        for (int game = 0; game < 20; ++game) {
            w.cmdLingvar->click();
            for (int n = 1; n <= 2; ++n) {
                w.cmdDalje->click();
                const int key = 100 + w.game().gameQuestions()[n];
                QCOMPARE(centre(w.imgSlika), QColor(key, 0, 255 - key));
                QVERIFY(readFile(t.dir.filePath("t.gif"))
                            .startsWith(QByteArray::fromStdString(testGif(uchar(key), 0, uchar(255 - key)))));
                w.cmdDalje->click();
            }
            w.cmdPrekid->click();
        }
    }

    // Without a picture the mascot stands in; the reason is told once, not at every question.
    void aMissingPictureIsReportedOnce()
    {
        TestFolder t;
        frmGlavna w(t.folders());
        std::ostringstream err;
        std::streambuf *old = std::cerr.rdbuf(err.rdbuf());
        w.cmdLingvar->click();
        for (int i = 0; i < 4; ++i)
            w.cmdDalje->click();
        std::cerr.rdbuf(old);
        QVERIFY(!w.imgMudrica->isHidden() && w.imgSlika->pixmap().isNull());
        const QString said = QString::fromStdString(err.str());
        QCOMPARE(said.count("lingvar: "), 1);
        QVERIFY2(said.contains("Slike.dat"), qPrintable(said));
    }

    // "Прекид" during a picture question leaves nothing of that game in the next one.
    void anAbortedGameLeavesNoTrace()
    {
        TestFolder t;
        t.writeArchive();
        frmGlavna w(t.folders());
        w.cmdLingvar->click();
        w.cmdDalje->click();
        w.cmdOdgovor[w.game().correctPosition()]->click();
        w.cmdDalje->click();
        w.cmdPrekid->click();
        QVERIFY(!w.FraMudrica->isHidden() && !w.Timer1->isActive() && w.cmdLingvar->isEnabled());
        QCOMPARE(w.game().counters().unanswered, std::int16_t(0)); // the running one counts nowhere
        w.cmdLingvar->click();
        QVERIFY(w.imgSlika->pixmap().isNull());
        QCOMPARE(w.lblBrTacO->text(), "0");
        for (int i = 1; i <= kGameLength; ++i)
            QVERIFY(w.imgOpan[i]->isHidden());
        QVERIFY(w.lblPitanje->text().isEmpty() && w.cmdOdgovor[1]->isHidden());
    }

    // Tab goes through the buttons in the layout's order; Enter and Escape press none.
    void theKeyboard()
    {
        TestFolder t;
        frmGlavna w(t.folders());
        w.show();
        w.cmdLingvar->click();
        w.cmdDalje->click();
        const QList<QWidget *> expected = {w.cmdOdgovor[1], w.cmdOdgovor[2], w.cmdLingvar,
                                           w.cmdLista,     w.cmdRec,        w.cmdKraj,
                                           w.cmdDalje,     w.cmdPrekid,     w.cmdOglas};
        QList<QWidget *> order = tabOrder(w.cmdOdgovor[1]);
        order.removeIf([](QWidget *b) { return !b->isVisible(); });
        QCOMPARE(order, expected);
        w.cmdOdgovor[1]->setFocus();
        QTest::keyClick(w.cmdOdgovor[1], Qt::Key_Return);
        QTest::keyClick(w.cmdOdgovor[1], Qt::Key_Escape);
        QVERIFY(w.Timer1->isActive());
        w.cmdPrekid->click(); // a covered button that kept the focus hands it on
        QVERIFY(!w.cmdOdgovor[1]->hasFocus() && !w.cmdDalje->hasFocus());
    }
};

QTEST_MAIN(TestMainScreen)
#include "tst_mainscreen.moc"
