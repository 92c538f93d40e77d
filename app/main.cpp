#include "AppFolders.h"
#include "frmGlavna.h"

#include "ScreenDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>
#include <iostream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lingvar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Лингвар"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    Module1 module;
    module.folders = LocateAppFolders();
    try {
        frmGlavna main(module);
        centreOnScreen(&main);
        main.show();
        return app.exec();
    } catch (const BankError &error) {
        const QString message = QString::fromUtf8(error.what());
        std::cerr << error.what() << '\n';
        QMessageBox::critical(nullptr, QStringLiteral("Лингвар"),
                              QStringLiteral("Програм не може да почне.\n\n") + message);
        return 1;
    }
}
