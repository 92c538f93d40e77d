// Plays 100 whole games in one process on the real main screen with the shipped bank, the time
// bar driven by calling its tick, and reports the resident memory after the first and the last.
#include "ColourButton.h"
#include "ScreenDialog.h"
#include "BenchScreen.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long residentKb()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// One game: each question runs some ticks, then is answered, rightly every other time.
void playGame(frmGlavna &w)
{
    w.cmdLingvar->click();
    for (int n = 1; n <= 20; ++n) {
        w.cmdDalje->click();
        for (int tick = 0; tick < 30 && w.Timer1->isActive(); ++tick)
            w.Timer1_Timer();
        const int right = w.game().correctPosition();
        w.cmdOdgovor[n % 2 ? right : (right == 1 ? 2 : 1)]->click();
    }
    w.cmdDalje->click(); // the result screen, left at once by the watcher below
}

} // namespace

int main(int argc, char *argv[])
{
    BenchScreen bench(argc, argv);
    frmGlavna &w = *bench.w;

    QTimer watcher; // leaves every result screen through "Излаз"
    QObject::connect(&watcher, &QTimer::timeout, [] {
        if (auto *screen = qobject_cast<ScreenDialog *>(QApplication::activeModalWidget()))
            screen->closeScreen(QDialog::Rejected);
    });
    watcher.start(0);

    long first = 0;
    for (int game = 1; game <= 100; ++game) {
        playGame(w);
        if (game == 1)
            first = residentKb();
    }
    std::printf("rss_kb game1=%ld game100=%ld\n", first, residentKb());
    return 0;
}
