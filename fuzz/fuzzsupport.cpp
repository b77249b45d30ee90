#include "fuzzsupport.h"

#include "platform/edition.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace FuzzSupport {

namespace {

std::unique_ptr<QTemporaryDir> home;
// Never destroyed: ~QCoreApplication at exit, after Qt's own globals are gone, crashes.
QCoreApplication* app = nullptr;

void quiet(QtMsgType, const QMessageLogContext&, const QString&)
{
}

} // namespace

void initialize(int* argc, char*** argv)
{
    home = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/quorvel-fuzz-XXXXXX"));
    const QByteArray root = QFile::encodeName(home->path());
    setenv("XDG_DATA_HOME", (root + "/data").constData(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/config").constData(), 1);
    setenv("XDG_RUNTIME_DIR", (root + "/run").constData(), 1);
    setenv("LANG", "en_US.UTF-8", 1);
    setenv("TZ", "UTC", 1);
    QDir().mkpath(home->path() + QStringLiteral("/scratch"));
    app = new QCoreApplication(*argc, *argv);
    Messages::install(Edition::current());
    if (!qEnvironmentVariableIsSet("QUORVEL_FUZZ_VERBOSE"))
        qInstallMessageHandler(quiet);
}

QString scratchFolder()
{
    return home->path() + QStringLiteral("/scratch");
}

QString writeScratchFile(const QByteArray& data, const QString& name)
{
    const QString path = scratchFolder() + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size())
        fail("the scratch file could not be written", path);
    return path;
}

void fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

} // namespace FuzzSupport
