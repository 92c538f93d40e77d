#pragma once

#include "frmGlavna.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

// What both benchmarks play on: the offscreen platform unless another is asked for, and the
// real main screen with a copy of the shipped bank in a folder of its own, so that nothing is
// written into the build.
struct BenchScreen
{
    static int &platform(int &argc)
    {
        if (qgetenv("QT_QPA_PLATFORM").isEmpty())
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }

    BenchScreen(int &argc, char **argv) : app(platform(argc), argv)
    {
        for (const char *name : {"Pitanja.dat", "Slike.dat"})
            QFile::copy(QStringLiteral(LINGVAR_DATA_DIR "/") + QLatin1String(name),
                        folder.filePath(QLatin1String(name)));
        w = std::make_unique<frmGlavna>(
            AppFolders{folder.path().toStdString(), folder.path().toStdString()});
        w->show();
    }

    QApplication app;
    QTemporaryDir folder;
    std::unique_ptr<frmGlavna> w;
};
