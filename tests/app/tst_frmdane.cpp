#include "ScreenTesting.h"
#include "TitleStrip.h"
#include "frmDaNe.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <functional>

namespace {

// runModal once the window manager has activated the screen: keys go where the focus is.
ModalRun runActive(ScreenDialog &screen, const std::function<void()> &probe,
                   const std::function<void()> &leave)
{
    return runModal(
        screen,
        [&] {
            QVERIFY(QTest::qWaitForWindowActive(&screen));
            probe();
        },
        leave);
}

// Where a key goes in the active window: the focused control, or the screen itself.
QWidget *activeKeyTarget(QWidget *screen)
{
    return QApplication::focusWidget() ? QApplication::focusWidget() : screen;
}

} // namespace

class TestFrmDaNe : public QObject
{
    Q_OBJECT
private slots:
    void answerGoesIntoTheTag_data()
    {
        QTest::addColumn<QStringList>("keys"); // empty: a mouse click on the button
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("tag");
        QTest::newRow("Да clicked") << QStringList() << true << "da";
        QTest::newRow("Не clicked") << QStringList() << false << "ne";
        QTest::newRow("Space on Да") << QStringList{"Space"} << true << "da";
        QTest::newRow("Tab, Space on Не") << QStringList{"Tab", "Space"} << false << "ne";
    }

    void answerGoesIntoTheTag()
    {
        QFETCH(QStringList, keys);
        QFETCH(bool, yes);
        QFETCH(QString, tag);
        QString mainTag = QStringLiteral(" ");
        frmDaNe d(mainTag);
        QString tagWhileAsking;
        const ModalRun run = runActive(
            d, [&] { tagWhileAsking = mainTag; },
            [&] {
                if (keys.isEmpty())
                    QTest::mouseClick(yes ? d.cmdDa : d.cmdNe, Qt::LeftButton);
                for (const QString &key : keys)
                    QTest::keyClick(activeKeyTarget(&d),
                                    key == QLatin1String("Tab") ? Qt::Key_Tab : Qt::Key_Space);
            });
        QCOMPARE(run.modal, &d);
        QCOMPARE(tagWhileAsking, QStringLiteral(" "));
        QVERIFY(run.closedByLeave);
        QCOMPARE(mainTag, tag);
    }

    void opensWithTheQuestionAndFocusOnDa()
    {
        QString mainTag = QStringLiteral(" ");
        frmDaNe d(mainTag);
        QWidget *focusAtOpen = nullptr;
        QWidget *focusAfterTab = nullptr;
        QImage shown;
        runActive(
            d,
            [&] {
                focusAtOpen = QApplication::focusWidget();
                shown = d.grab().toImage();
                QTest::keyClick(activeKeyTarget(&d), Qt::Key_Tab);
                focusAfterTab = QApplication::focusWidget();
            },
            [&] { d.cmdNe->click(); });

        QCOMPARE(focusAtOpen, d.cmdDa);
        QCOMPARE(focusAfterTab, d.cmdNe);
        QCOMPARE(d.Label1->text(), QStringLiteral("  Да или не?"));
        QCOMPARE(d.Label2->text(), QStringLiteral("Заиста напуштате програм?"));
        QCOMPARE(d.cmdDa->text(), QStringLiteral("Да"));
        QCOMPARE(d.cmdNe->text(), QStringLiteral("Не"));
        QCOMPARE(shown.pixelColor(d.width() - 6, 8), QColor(0, 0, 128));
        // the question is read whole, not cut by its label or the window's edge
        const QRect box = d.Label2->geometry().intersected(d.rect());
        QVERIFY(QFontMetrics(d.Label2->font()).horizontalAdvance(d.Label2->text()) <= box.width());
    }

    // Only the two buttons answer: nothing else closes the screen or touches the tag.
    void otherWaysOutDoNothing_data()
    {
        QTest::addColumn<int>("key"); // 0: a close request, as from the window manager
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("close") << 0;
    }

    void otherWaysOutDoNothing()
    {
        QFETCH(int, key);
        QString mainTag = QStringLiteral(" ");
        frmDaNe d(mainTag);
        QString tagAfter;
        const ModalRun run = runActive(
            d,
            [&] {
                if (key)
                    QTest::keyClick(activeKeyTarget(&d), Qt::Key(key));
                else
                    d.close();
                tagAfter = mainTag;
            },
            [] {});
        QVERIFY(!run.closedByLeave);
        QCOMPARE(tagAfter, QStringLiteral(" "));
    }
};

QTEST_MAIN(TestFrmDaNe)
#include "tst_frmdane.moc"
