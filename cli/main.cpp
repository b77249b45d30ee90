// quorvel-cli: the renaming engine without a window. Builds the list from paths with the
// intake scan, runs the same preview and apply passes as the desktop program and prints
// one line per item.
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "cli/exitcodes.h"
#include "pipeline/passrunner.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

// gcc names its sanitizers with macros, clang answers __has_feature.
#if defined(__has_feature)
#define QUORVEL_CLANG_SANITIZER (__has_feature(address_sanitizer) || __has_feature(thread_sanitizer))
#else
#define QUORVEL_CLANG_SANITIZER 0
#endif

namespace {

// Ends the process once a command has returned. Everything the command made is closed by
// then (its session, rename log and files are gone with its scope): what is left are the
// destructors of the application object and of every library's statics, which touch code
// and data not used before (about a millisecond of a one-file apply). The printed text is
// flushed and the process ends without them. The sanitizer builds return normally, so that
// their checks at exit still run.
int endProcess(int code)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || QUORVEL_CLANG_SANITIZER
    return code;
#else
    std::fflush(nullptr);
    std::_Exit(code);
#endif
}

} // namespace

int main(int argc, char** argv)
{
    Edition::select(Edition::Kind::Quorvel);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvel-cli"));
    Messages::install(Edition::current());

    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    CliOptions options;
    QString error;
    if (!parseCliOptions(args, options, error)) {
        std::fprintf(stderr, "quorvel-cli: %s\nTry quorvel-cli --help.\n", error.toLocal8Bit().constData());
        return ExitCode::Usage;
    }
    if (options.help) {
        std::fputs(cliHelpText().toLocal8Bit().constData(), stdout);
        return ExitCode::Done;
    }
    if (options.version) {
        std::printf("quorvel-cli (%s) %s\n", Edition::current().displayName.toUtf8().constData(),
                    Edition::current().version.toUtf8().constData());
        return ExitCode::Done;
    }
    // Nothing is printed while a pass runs unless --verbose asks for its progress, so the
    // passes then run on this thread: no thread to start for each, no hand-over to wait for.
    // Ctrl-C ends the process either way (the rename log is written ahead of every move).
    if (!options.verbose)
        PassRunner::setPlacement(PassRunner::Placement::CallingThread);
    const int code = runCliCommand(options);
    return endProcess(code);
}
