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
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv)
{
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

    // The paths are encoded straight into one output buffer (file names are UTF-8 here,
    // and the intake lists only names that encode back to their bytes).
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    std::vector<char> out(1 << 16);
    size_t used = 0;
    for (const FileSystemItem& item : state.list.files) {
        const size_t most = size_t(item.fullPath.size()) * 3 + 1;
        if (used + most > out.size()) {
            std::fwrite(out.data(), 1, used, stdout);
            used = 0;
            if (most > out.size())
                out.resize(most);
        }
        char* end = toUtf8.appendToBuffer(out.data() + used, item.fullPath);
        *end++ = '\n';
        used = size_t(end - out.data());
    }
    std::fwrite(out.data(), 1, used, stdout);
    std::fprintf(stderr, "listed %d\n", state.list.size());
    // Ends as quorvel-cli does: without the destructors of the list and the libraries.
    std::fflush(nullptr);
    std::_Exit(0);
}
