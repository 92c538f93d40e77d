#include "frmNaslov.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <stdexcept>

class TestFrmNaslov : public QObject
{
    Q_OBJECT
private slots:
    void handsOverToTheMainScreenAtTheTwentiethTick()
    {
        // Stands in for the main screen: a window created hidden, as the real loader does.
        std::unique_ptr<QWidget> main;
        int calls = 0;
        bool titleShownWhileLoading = false;
        frmNaslov w([&] {
            ++calls;
            for (QWidget *top : QApplication::topLevelWidgets())
                titleShownWhileLoading |= qobject_cast<frmNaslov *>(top) && top->isVisible();
            main = std::make_unique<QWidget>();
            return main.get();
        });
        QCOMPARE(calls, 1);
        QVERIFY(!titleShownWhileLoading);
        QVERIFY(w.isVisible());
        QVERIFY(!w.imgNaslov->pixmap().isNull());
        QCOMPARE(w.Timer1->interval(), 100);

        w.Timer1->start(0); // the first tick comes from the timer itself
        QCoreApplication::processEvents();
        QVERIFY(w.tickCount >= 1 && w.tickCount < 20);
        while (w.tickCount < 19) {
            QVERIFY2(!main->isVisible(), qPrintable(QString::number(w.tickCount)));
            w.Timer1_Timer();
        }
        QVERIFY(!main->isVisible());
        QVERIFY(w.isVisible());
        w.Timer1_Timer();
        QVERIFY(main->isVisible());
        QVERIFY(!w.isVisible());
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(calls, 1);
    }

    void aFailedLoadPropagatesBeforeAnyWindowShows()
    {
        bool shown = false;
        const auto failing = [&]() -> QWidget * {
            for (QWidget *w : QApplication::topLevelWidgets())
                shown |= w->isVisible();
            throw std::runtime_error("broken bank");
        };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, frmNaslov{failing});
        QVERIFY(!shown);
    }
};

QTEST_MAIN(TestFrmNaslov)
#include "tst_frmnaslov.moc"
