// The intake scan alone, as bench/compare measures it against find: the paths given are
// walked by Intake::addFilesToList (the code quorvel-cli and the window use to fill the
// list: files scope, subfolders included, hidden names left out), with the same start-up
// as quorvel-cli, and the listed paths are printed one per line, as find prints them.
//
//   intake_scan PATH...
#include "intake/intake.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "platform/edition.h"
#include "platform/largeheap.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    LargeHeap::prefer();
    Edition::select(Edition::Kind::Quorvel);
    QCoreApplication app(argc, argv);
    Messages::install(Edition::current());

    QStringList paths = QCoreApplication::arguments();
    paths.removeFirst();
    if (paths.isEmpty()) {
        std::fputs("usage: intake_scan PATH...\n", stderr);
        return 2;
    }
    for (QString& p : paths)
        p = QDir::cleanPath(QFileInfo(p).isAbsolute() ? p : QDir::current().absoluteFilePath(p));

    ControllerState state;
    IntakeScope scope; // files scope, subfolders included
    PassProgress progress(nullptr);
    Intake::addFilesToList(state, scope, paths, progress);

    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    for (const FileSystemItem& item : state.list.files) {
        const QByteArray bytes = QFile::encodeName(item.fullPath);
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
        std::fputc('\n', stdout);
    }
    std::fflush(stdout);
    std::fprintf(stderr, "listed %d\n", state.list.size());
    return 0;
}
