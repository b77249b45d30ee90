#include "app/desktopmain.h"

#include "app/commandline.h"
#include "app/quorvelappcontroller.h"
#include "app/singleinstance.h"
#include "platform/messages.h"

#include <QApplication>
#include <QMainWindow>

int runDesktopProgram(int argc, char** argv, Edition::Kind kind, const QString& programName,
                      const QString& desktopFileName)
{
    Edition::select(kind);
    // --version and --help are answered here: no window, no hand-off.
    if (const std::optional<int> status = CommandLine::answer(argc, argv, Edition::current(), programName))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(Edition::current().displayName);
    if (!desktopFileName.isEmpty())
        QApplication::setDesktopFileName(desktopFileName);
    // A running instance takes this launch's documents; this process then ends.
    if (SingleInstance::handOff(QApplication::arguments()))
        return 0;
    Messages::install(Edition::current());

    QuorvelAppController controller;
    controller.quitOnTerminationSignals();
    if (!controller.startUp())
        return 1;
    controller.window()->show();
    controller.startSingleInstance(QApplication::arguments());
    return app.exec();
}
