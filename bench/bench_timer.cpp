// Runs the real answer timer for one whole question and compares its length with the nominal
// 310 ticks x 164 ms, and reports the CPU time the process spent meanwhile.
#include "BenchScreen.h"

#include "ColourButton.h"
#include "DrawingBox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Counts the bar's paint events and the area they covered.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            const QRect r = static_cast<QPaintEvent *>(event)->rect();
            pixels += static_cast<long>(r.width()) * r.height();
        }
        return false;
    }
    int paints = 0;
    long pixels = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    BenchScreen bench(argc, argv);
    frmGlavna &w = *bench.w;
    PaintCounter counter;
    w.pctVreme->installEventFilter(&counter);

    w.cmdLingvar->click();
    QEventLoop loop;
    QObject::connect(w.Timer1, &QTimer::timeout, &loop, [&] {
        if (!w.Timer1->isActive())
            loop.quit();
    });
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    w.cmdDalje->click();
    loop.exec();
    const double wall = clock.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;

    const double nominal = 310 * 0.164;
    std::printf("question timed out after %.3f s (nominal %.2f s, %+.2f%%)\n", wall, nominal,
                100.0 * (wall - nominal) / nominal);
    std::printf("CPU time %.3f s (%.2f%% of the question's time)\n", cpu, 100.0 * cpu / wall);
    std::printf("time bar: %d paint events, %.1f pixels each on average (bar %d x %d)\n",
                counter.paints, counter.paints ? double(counter.pixels) / counter.paints : 0.0,
                w.pctVreme->width(), w.pctVreme->height());
    std::printf("unanswered: %s\n", qPrintable(w.lblBrBezO->text()));
    return w.game().counters().unanswered == 1 ? 0 : 1;
}
