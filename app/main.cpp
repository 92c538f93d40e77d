#include "AppFolders.h"
#include "AppIcon.h"
#include "Message.h"
#include "ScreenDialog.h"
#include "frmGlavna.h"
#include "frmNaslov.h"

#include <QApplication>
#include <QStyleFactory>
#include <iostream>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lingvar"));
    QApplication::setApplicationDisplayName(QStringLiteral("Лингвар"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(appIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("rs.lingvar.Lingvar"));

    const AppFolders folders = LocateAppFolders();
    std::unique_ptr<frmGlavna> main;
    try {
        // The title screen loads the main screen hidden, then hands over to it.
        frmNaslov title([&]() -> QWidget * {
            main = std::make_unique<frmGlavna>(folders);
            centreOnScreen(main.get());
            return main.get();
        });
        return app.exec();
    } catch (const BankError &error) {
        std::cerr << "lingvar: " << error.what() << '\n';
        showMessage(nullptr, QMessageBox::Critical,
                    QStringLiteral("Програм не може да почне.\n\n") +
                        QString::fromUtf8(error.what()));
        return 1;
    }
}
