// quorvel2: the earlier edition, built from the same sources with fewer features.
#include "app/commandline.h"
#include "app/quorvelappcontroller.h"
#include "app/singleinstance.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv)
{
    Edition::select(Edition::Kind::Quorvel2);
    // --version and --help are answered here: no window, no hand-off.
    if (const std::optional<int> status = CommandLine::answer(argc, argv, Edition::current(), QStringLiteral("quorvel2")))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(Edition::current().displayName);
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
