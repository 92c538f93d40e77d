#include "ColourButton.h"
#include "DrawingBox.h"
#include "TestModule.h"
#include "frmGlavna.h"

#include <QFrame>
#include <QtTest>

namespace {

// Shows the screen and waits until it is the active window, where the keyboard reaches it.
[[nodiscard]] bool showActive(frmGlavna &w)
{
    w.show();
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

} // namespace

class TestFrmGlavna : public QObject
{
    Q_OBJECT
private slots:
    void opensInIdleModeBehindTheFrame()
    {
        TestModule t;
        frmGlavna w(*t.module);
        w.show();
        QVERIFY(w.FraMudrica->isVisible());
        QVERIFY(!w.imgSlika->isVisibleTo(&w));
        QVERIFY(!w.imgMudrica->isVisibleTo(&w));
        QVERIFY(!w.Timer1->isActive());
        for (auto *b : {w.cmdLingvar, w.cmdLista, w.cmdRec, w.cmdOglas, w.cmdKraj})
            QVERIFY(b->isEnabled());
        // the frame covers the game area: a click there reaches the frame, not "Даље"
        const QPoint inDalje = w.cmdDalje->geometry().center();
        QCOMPARE(w.childAt(inDalje), static_cast<QWidget *>(w.FraMudrica));
        QCOMPARE(w.size(), QSize(632, 396));
        QCOMPARE(w.module.questionBank.questionCount, 20);
    }

    void aBrokenBankStopsTheScreen()
    {
        TestModule t("**\r\n");
        QVERIFY_THROWS_EXCEPTION(BankError, frmGlavna(*t.module));
    }

    void startButtonEntersGameMode()
    {
        TestModule t;
        frmGlavna w(*t.module);
        w.show();
        w.session.correctCount = 3;
        w.lblBrTacO->setText("3");
        w.lblPitanje->setText("старо");
        w.imgOpan[4]->show();
        w.cmdOdgovor[1]->show();
        w.cmdLingvar->click();

        QVERIFY(!w.FraMudrica->isVisible());
        for (auto *b : {w.cmdLingvar, w.cmdLista, w.cmdRec, w.cmdOglas, w.cmdKraj})
            QVERIFY(!b->isEnabled());
        QVERIFY(w.imgSlika->isVisible());
        QVERIFY(w.imgMudrica->isVisible());
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(w.lblIzvestaj->text(),
                 QStringLiteral("Треба да одговорите на 20 питања. Притисните \"Даље\"."));
        QVERIFY(w.lblPitanje->text().isEmpty());
        QVERIFY(w.lblBrPitanja->text().isEmpty());
        for (QLabel *counter : {w.lblBrTacO, w.lblBrNetO, w.lblBrBezO, w.lblBrCrVr})
            QCOMPARE(counter->text(), QStringLiteral("0"));
        QCOMPARE(w.session.correctCount, 0);
        QCOMPARE(w.session.questionNumber, 0);
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(!w.cmdOdgovor[i]->isVisible());
            QVERIFY(!w.lblOdgovor[i]->isVisible());
        }
        for (int i = 1; i <= kGameLength; ++i) {
            QVERIFY(w.lblPrazno[i]->isVisible());
            QVERIFY(!w.imgOpan[i]->isVisible());
            QCOMPARE(w.lblPrazno[i]->palette().color(QPalette::Window), QColor(0, 255, 255));
            QCOMPARE(w.lblPrazno[i]->text(), QString::number(i));
            QVERIFY(w.session.gameQuestions[i] >= 1 && w.session.gameQuestions[i] <= 20);
        }
        QCOMPARE(w.pctVreme->penPosition(), -9.0f);
        QCOMPARE(w.pctVreme->penWidth(), 2);
    }

    void abortReturnsToIdleAndKeepsTheGameBehindTheFrame()
    {
        TestModule t;
        frmGlavna w(*t.module);
        w.show();
        w.cmdLingvar->click();
        w.Timer1->start();
        w.session.wrongCount = 2;
        w.lblBrNetO->setText("2");
        w.cmdPrekid->click();
        QVERIFY(!w.Timer1->isActive());
        QVERIFY(w.FraMudrica->isVisible());
        QVERIFY(!w.imgSlika->isVisible());
        QVERIFY(!w.imgMudrica->isVisible());
        for (auto *b : {w.cmdLingvar, w.cmdLista, w.cmdRec, w.cmdOglas, w.cmdKraj})
            QVERIFY(b->isEnabled());
        QCOMPARE(w.lblBrNetO->text(), QStringLiteral("2"));
        QCOMPARE(w.session.wrongCount, 2);
    }

    // The steelyard frame covers the game area, and the keyboard cannot reach under it either.
    void nothingUnderTheFrameAnswersTheKeyboard()
    {
        TestModule t;
        frmGlavna w(*t.module);
        QVERIFY(showActive(w));
        w.cmdLingvar->click();
        w.cmdDalje->setFocus();
        w.cmdPrekid->click();
        QVERIFY(!w.cmdDalje->hasFocus());
        for (int i = 0; i < 12; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus != w.cmdDalje && focus != w.cmdPrekid && focus != w.cmdOdgovor[1]);
        }
        // a click where "Даље" lies lands on the frame
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, w.cmdDalje->geometry().center());
        QCOMPARE(w.session.questionNumber, 0);
        QVERIFY(!w.Timer1->isActive());
    }

    void resetErasesTheTimeBar()
    {
        TestModule t;
        frmGlavna w(*t.module);
        w.show();
        w.pctVreme->setBackgroundColour(Qt::green);
        w.pctVreme->setPenWidth(2);
        w.pctVreme->drawVerticalLine(51, Qt::red);
        QCOMPARE(w.pctVreme->pixel(51, 4), QColor(Qt::red));
        w.ResetTimeBar();
        QCOMPARE(w.pctVreme->pixel(51, 4), QColor(224, 224, 224));
        QCOMPARE(w.pctVreme->pixel(0, 0), QColor(224, 224, 224));
        QCOMPARE(w.pctVreme->penPosition(), -9.0f);
        QCOMPARE(w.pctVreme->penWidth(), 2);
    }

    void tabVisitsTheButtonsInTheirOrder()
    {
        TestModule t;
        frmGlavna w(*t.module);
        QVERIFY(showActive(w));
        w.cmdLingvar->click();
        for (int i = 1; i <= 4; ++i)
            w.cmdOdgovor[i]->show();
        // the menu buttons are disabled in a game, so Tab skips them
        const QList<QWidget *> expected = {w.cmdOdgovor[1], w.cmdOdgovor[2], w.cmdOdgovor[3],
                                           w.cmdOdgovor[4], w.cmdDalje,      w.cmdPrekid};
        w.cmdOdgovor[1]->setFocus();
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
        QWidget *chain = w.cmdOdgovor[4]->nextInFocusChain();
        const QList<QWidget *> menu = {w.cmdLingvar, w.cmdLista,  w.cmdRec,  w.cmdKraj,
                                       w.cmdDalje,   w.cmdPrekid, w.cmdOglas};
        for (QWidget *next : menu) {
            while (!qobject_cast<QPushButton *>(chain))
                chain = chain->nextInFocusChain();
            QCOMPARE(chain, next);
            chain = chain->nextInFocusChain();
        }
    }

    void enterAndEscapePressNoButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void enterAndEscapePressNoButton()
    {
        QFETCH(int, key);
        TestModule t;
        frmGlavna w(*t.module);
        QVERIFY(showActive(w));
        w.cmdLingvar->setFocus();
        QTest::keyClick(w.cmdLingvar, Qt::Key(key));
        QVERIFY(w.FraMudrica->isVisible());
        QTest::keyClick(w.cmdLingvar, Qt::Key_Space);
        QVERIFY(!w.FraMudrica->isVisible()); // Space does press it
    }
};

QTEST_MAIN(TestFrmGlavna)
#include "tst_frmglavna.moc"
