#include "BankTool.h"

#include <QGuiApplication>
#include <iostream>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's note that it has no runtime folder means nothing to a tool that opens no window.
void reportQtMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (!message.startsWith(QLatin1String("QStandardPaths: ")))
        qtHandler(type, context, message);
}

} // namespace

// The authoring tool of the question bank and the picture archive; see data/questions/README.md.
int main(int argc, char **argv)
{
    // Text is measured with the screen's fonts; no display is needed for that.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qtHandler = qInstallMessageHandler(reportQtMessage);
    QGuiApplication app(argc, argv);
    std::vector<std::string> args;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        args.push_back(arguments[i].toStdString());
    return RunBankTool(args, std::cout, std::cerr);
}
