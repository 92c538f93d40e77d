#include "ScreenTesting.h"
#include "frmSkor.h"

#include <QFrame>
#include <QPushButton>
#include <QtTest>

namespace {

// A mouse click near the top left corner of the button, as the player would aim at it: whatever
// lies in front of the button there gets the click.
void clickWhereShown(QWidget *screen, QPushButton *button)
{
    const QPoint at = button->mapTo(screen, QPoint(3, 3));
    QWidget *hit = screen->childAt(at);
    QVERIFY(hit);
    QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(screen, at));
}

QPushButton *buttonNamed(frmSkor &dlg, const QString &name)
{
    if (name == "cmdDa")
        return dlg.cmdDa;
    if (name == "cmdNe")
        return dlg.cmdNe;
    return dlg.cmdIzlaz;
}

} // namespace

class TestFrmSkor : public QObject
{
    Q_OBJECT
private slots:
    void buttonsReportThroughTheTag_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("offer");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("closes");
        QTest::newRow("Да") << "cmdDa" << true << "U" << true;
        QTest::newRow("Не") << "cmdNe" << true << "" << true;
        QTest::newRow("Излаз without the offer") << "cmdIzlaz" << false << "" << true;
        // the offer covers "Излаз": a click there lands on the offer and does nothing
        QTest::newRow("Излаз under the offer") << "cmdIzlaz" << true << "da" << false;
    }
    void buttonsReportThroughTheTag()
    {
        QFETCH(QString, button);
        QFETCH(bool, offer);
        QFETCH(QString, tag);
        QFETCH(bool, closes);
        QString mainTag = QStringLiteral("da"); // left over from an earlier question
        frmSkor dlg(mainTag);
        dlg.fraUpis->setVisible(offer);
        bool closedByClick = false;
        QString tagAfterClick;
        whenModal([&](ScreenDialog *screen) {
            QCOMPARE(screen, &dlg);
            clickWhereShown(screen, buttonNamed(dlg, button));
            closedByClick = !dlg.isVisible();
            tagAfterClick = mainTag;
        });
        dlg.exec();
        QCOMPARE(closedByClick, closes);
        QCOMPARE(tagAfterClick, tag);
    }

    void escapeEnterAndWindowCloseDoNothing_data()
    {
        QTest::addColumn<bool>("offer");
        QTest::newRow("with the offer") << true;
        QTest::newRow("without the offer") << false;
    }
    void escapeEnterAndWindowCloseDoNothing()
    {
        QFETCH(bool, offer);
        QString mainTag = QStringLiteral("da");
        frmSkor dlg(mainTag);
        dlg.fraUpis->setVisible(offer);
        bool stayed = false;
        whenModal([&](ScreenDialog *screen) {
            for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter})
                QTest::keyClick(keyTarget(screen), key);
            screen->close();
            stayed = screen->isVisible();
        });
        dlg.exec();
        QVERIFY(stayed);
        QCOMPARE(mainTag, QStringLiteral("da"));
    }

    void focusStartsOnIzlazAlsoUnderTheOffer_data()
    {
        QTest::addColumn<bool>("offer");
        QTest::newRow("with the offer") << true;
        QTest::newRow("without the offer") << false;
    }
    void focusStartsOnIzlazAlsoUnderTheOffer()
    {
        QFETCH(bool, offer);
        QString mainTag;
        frmSkor dlg(mainTag);
        dlg.fraUpis->setVisible(offer);
        dlg.show();
        QCOMPARE(dlg.focusWidget(), static_cast<QWidget *>(dlg.cmdIzlaz));
        QCOMPARE(tabOrder(dlg.cmdIzlaz), (QList<QWidget *>{dlg.cmdIzlaz, dlg.cmdDa, dlg.cmdNe}));
        // the offer lies in front of "Излаз" and covers it whole
        QVERIFY(dlg.fraUpis->geometry().contains(dlg.cmdIzlaz->geometry()));
        const QPoint izlaz = dlg.cmdIzlaz->geometry().center();
        QWidget *hit = dlg.childAt(izlaz);
        QCOMPARE(hit == dlg.cmdIzlaz, !offer);
        QCOMPARE(dlg.fraUpis->isAncestorOf(hit), offer);
    }
};

QTEST_MAIN(TestFrmSkor)
#include "tst_frmskor.moc"
