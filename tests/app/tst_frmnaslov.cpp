#include "frmNaslov.h"

#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <stdexcept>

namespace {

// Stands in for the main screen: a window created hidden, as the real loader does.
struct MainLoader
{
    std::unique_ptr<QWidget> main;
    int calls = 0;
    bool titleVisibleWhileLoading = false;

    std::function<QWidget *()> loader()
    {
        return [this] {
            ++calls;
            for (QWidget *w : QApplication::topLevelWidgets())
                titleVisibleWhileLoading |= qobject_cast<frmNaslov *>(w) && w->isVisible();
            main = std::make_unique<QWidget>();
            return main.get();
        };
    }
};

} // namespace

class TestFrmNaslov : public QObject
{
    Q_OBJECT
private slots:
    void loadsTheMainScreenHiddenBeforeShowingThePicture()
    {
        MainLoader m;
        frmNaslov w(m.loader());

        QCOMPARE(m.calls, 1);
        QVERIFY(!m.titleVisibleWhileLoading);
        QVERIFY(!m.main->isVisible());
        QVERIFY(w.isVisible());
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.size(), QSize(458, 130));
        QCOMPARE(w.imgNaslov->geometry(), w.rect());
        QCOMPARE(w.imgNaslov->pixmap().size(), QSize(458, 130));
        const QPoint offset = w.frameGeometry().center() - w.screen()->availableGeometry().center();
        QVERIFY(offset.manhattanLength() <= 2);
        QVERIFY(w.Timer1->isActive());
        QCOMPARE(w.Timer1->interval(), 100);
        QCOMPARE(w.tickCount, std::int16_t(0));
    }

    void handsOverAtTheTwentiethTick()
    {
        MainLoader m;
        frmNaslov w(m.loader());
        for (int tick = 1; tick <= 19; ++tick) {
            w.Timer1_Timer();
            QCOMPARE(w.tickCount, std::int16_t(tick));
            QVERIFY2(!m.main->isVisible(), qPrintable(QString::number(tick)));
            QVERIFY(w.isVisible());
            QVERIFY(w.Timer1->isActive());
        }
        w.Timer1_Timer();
        QVERIFY(m.main->isVisible());
        QVERIFY(!m.main->isModal());
        QVERIFY(!w.isVisible());
        QVERIFY(!w.Timer1->isActive());
        QCOMPARE(m.calls, 1);
    }

    // The tick is the timer's: a due timer, handled by the event loop, counts one.
    void theTimerDrivesTheTicks()
    {
        MainLoader m;
        frmNaslov w(m.loader());
        w.Timer1->start(0);
        QCoreApplication::processEvents();
        QVERIFY(w.tickCount >= 1);
        QVERIFY(!m.main->isVisible() || w.tickCount >= 20);
    }

    void aFailedLoadPropagatesBeforeAnyWindowShows()
    {
        const auto failing = []() -> QWidget * { throw std::runtime_error("broken bank"); };
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, frmNaslov{failing});
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!w->isVisible());
    }
};

QTEST_MAIN(TestFrmNaslov)
#include "tst_frmnaslov.moc"
