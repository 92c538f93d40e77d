#include "ScreenTesting.h"
#include "frmDaNe.h"

#include <QPushButton>
#include <QtTest>

namespace {

const QMap<QString, Qt::Key> kKeys = {{"Space", Qt::Key_Space},
                                      {"Tab", Qt::Key_Tab},
                                      {"Escape", Qt::Key_Escape},
                                      {"Return", Qt::Key_Return},
                                      {"Enter", Qt::Key_Enter}};

} // namespace

class TestFrmDaNe : public QObject
{
    Q_OBJECT
private slots:
    // Only the two buttons answer: nothing else closes the screen or touches the tag.
    void onlyTheButtonsAnswer_data()
    {
        QTest::addColumn<QString>("action"); // a button clicked, keys typed, or "close"
        QTest::addColumn<QString>("tag");
        auto row = [](const char *name, const char *action, const char *tag) {
            QTest::newRow(name) << QString::fromUtf8(action) << QString::fromUtf8(tag);
        };
        row("Да clicked", "Да", "da");
        row("Не clicked", "Не", "ne");
        row("Space on Да", "Space", "da");
        row("Tab, Space on Не", "Tab Space", "ne");
        for (const char *other : {"Escape", "Return", "Enter", "close"})
            row(other, other, " ");
    }
    void onlyTheButtonsAnswer()
    {
        QFETCH(QString, action);
        QFETCH(QString, tag);
        QString mainTag = QStringLiteral(" ");
        frmDaNe d(mainTag);
        QWidget *focusAtOpen = nullptr;
        QString tagWhileAsking;
        const ModalRun run = runModal(
            d,
            [&] {
                // keys go where the focus is once the window manager has activated the screen
                QVERIFY(QTest::qWaitForWindowActive(&d));
                focusAtOpen = QApplication::focusWidget();
                tagWhileAsking = mainTag;
            },
            [&] {
                if (action == QStringLiteral("Да") || action == QStringLiteral("Не"))
                    QTest::mouseClick(action == QStringLiteral("Да") ? d.cmdDa : d.cmdNe,
                                      Qt::LeftButton);
                else if (action == QLatin1String("close"))
                    d.close();
                else
                    for (const QString &key : action.split(' '))
                        QTest::keyClick(keyTarget(&d), kKeys.value(key));
            });
        QCOMPARE(run.modal, &d);
        QCOMPARE(focusAtOpen, d.cmdDa);
        QCOMPARE(tagWhileAsking, QStringLiteral(" "));
        QCOMPARE(run.closedByLeave, tag != QStringLiteral(" "));
        QCOMPARE(mainTag, tag);
    }
};

QTEST_MAIN(TestFrmDaNe)
#include "tst_frmdane.moc"
