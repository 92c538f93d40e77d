#include "ScreenTesting.h"
#include "frmSkor.h"

#include <QFrame>
#include <QPushButton>
#include <QtTest>

class TestFrmSkor : public QObject
{
    Q_OBJECT
private slots:
    // Only the buttons the player can see answer; keys and the close request do nothing.
    void buttonsReportThroughTheTag_data()
    {
        QTest::addColumn<QString>("action"); // a button clicked, or how tryToLeave tries
        QTest::addColumn<bool>("offer");
        QTest::addColumn<QString>("tag"); // "da", left over from an earlier question, if unanswered
        QTest::newRow("Да") << "cmdDa" << true << "U";
        QTest::newRow("Не") << "cmdNe" << true << "";
        QTest::newRow("Излаз without the offer") << "cmdIzlaz" << false << "";
        // the offer covers "Излаз": a click there lands on the offer
        QTest::newRow("Излаз under the offer") << "cmdIzlaz" << true << "da";
        for (const char *how : {"Escape", "Return", "Enter", "close"})
            QTest::newRow(how) << how << true << "da";
    }
    void buttonsReportThroughTheTag()
    {
        QFETCH(QString, action);
        QFETCH(bool, offer);
        QFETCH(QString, tag);
        QString mainTag = QStringLiteral("da");
        frmSkor dlg(mainTag);
        dlg.fraUpis->setVisible(offer);
        bool closed = false;
        QString tagAfter;
        whenModal([&](ScreenDialog *screen) {
            QPushButton *button = action == "cmdDa"   ? dlg.cmdDa
                                  : action == "cmdNe" ? dlg.cmdNe
                                                      : dlg.cmdIzlaz;
            if (action.startsWith("cmd")) {
                // clicked near its top left corner, where the player aims
                const QPoint at = button->mapTo(screen, QPoint(3, 3));
                QWidget *hit = screen->childAt(at);
                QVERIFY(hit);
                QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(screen, at));
            } else {
                tryToLeave(screen, action);
            }
            closed = !screen->isVisible();
            tagAfter = mainTag;
        });
        dlg.exec();
        QCOMPARE(tagAfter, tag);
        QCOMPARE(closed, tag != "da");
    }
};

QTEST_MAIN(TestFrmSkor)
#include "tst_frmskor.moc"
