// Puts the screens into the states the README shows and saves a picture of each. Run through
// tools/screenshots.sh, which picks the platform and the scale.
#include "ColourButton.h"
#include "Cp1251.h"
#include "DrawingBox.h"
#include "ScoreList.h"
#include "frmGlavna.h"
#include "frmLista.h"
#include "frmNaslov.h"
#include "frmOglas.h"
#include "frmRec.h"
#include "frmSkor.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QString g_out;
QString g_suffix;

void save(QWidget *w, const char *name)
{
    const QString file = QStringLiteral("%1/%2%3.png").arg(g_out, QLatin1String(name), g_suffix);
    if (!w->grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

void tick(frmGlavna &w, int times)
{
    for (int i = 0; i < times; ++i)
        w.Timer1_Timer();
}

// Answers every question up to the one with this number rightly and shows that one, its time
// run for some ticks.
void presentUpTo(frmGlavna &w, int number, int ticks)
{
    while (w.game().questionNumber() < number) {
        if (w.Timer1->isActive())
            w.cmdOdgovor[w.game().correctPosition()]->click();
        w.cmdDalje->click();
    }
    tick(w, ticks);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (argc < 3) {
        std::fprintf(stderr, "usage: lingvar-screenshots DATA-FOLDER OUT-FOLDER [SUFFIX]\n");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[2]);
    g_suffix = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    QDir().mkpath(g_out);

    QTemporaryDir folder;
    for (const char *name : {"Pitanja.dat", "Slike.dat"})
        QFile::copy(QDir(QString::fromLocal8Bit(argv[1])).filePath(QLatin1String(name)),
                    folder.filePath(QLatin1String(name)));
    const AppFolders folders{folder.path().toStdString(), folder.path().toStdString()};
    const Random random({0.42, 0.17, 0.73, 0.05, 0.91, 0.38, 0.64, 0.26, 0.85, 0.12});

    std::unique_ptr<frmGlavna> main;
    frmNaslov title([&]() -> QWidget * {
        main = std::make_unique<frmGlavna>(folders, random);
        return main.get();
    });
    save(&title, "title");
    title.close();

    frmGlavna &w = *main;
    w.show();
    save(&w, "main-idle");
    w.cmdLingvar->click();
    presentUpTo(w, 1, 30);
    save(&w, "question-picture");
    presentUpTo(w, 2, 90);
    save(&w, "question-picture-2");
    presentUpTo(w, 3, 20);
    save(&w, "question-choice");
    presentUpTo(w, 6, 140);
    save(&w, "question-spelling");
    presentUpTo(w, 12, 40);
    save(&w, "question-grammar");
    presentUpTo(w, 19, 10);
    save(&w, "question-free");
    w.cmdOdgovor[w.game().correctPosition()]->click();
    save(&w, "answer-correct");
    presentUpTo(w, 20, 25);
    w.cmdOdgovor[w.game().correctPosition() == 1 ? 2 : 1]->click();
    save(&w, "answer-wrong");

    frmSkor skor;
    skor.lblTacniOd->setText(QStringLiteral(" 72 "));
    skor.lblCrvVr->setText(QStringLiteral("11 "));
    skor.lblUkupno->setText(QStringLiteral(" 83 "));
    skor.show();
    save(&skor, "result");

    ScoreList list;
    const std::pair<const char *, int> entries[] = {
        {"Милица", 96}, {"Јован", 83}, {"Ана", 71}, {"Стефан", 64}, {"Ђорђе", 52}};
    for (const auto &[name, score] : entries)
        AddScoreLine(
            list,
            BuildScoreLine(cp1251::literal(name), static_cast<std::int16_t>(score), {6, 12, 2026}),
            folders.writeFolder);
    frmLista lista(folders.writeFolder);
    lista.show();
    save(&lista, "list");

    frmRec rec;
    rec.show();
    save(&rec, "about");
    frmOglas oglas;
    oglas.show();
    save(&oglas, "notice");
    return 0;
}
