#include "platform/metadatamodule.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <climits>
#include <mutex>

#include <dlfcn.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_loaded{false};

// The folder of the running program, symbolic links resolved (argv[0] may be a bare name
// or a link).
QString programFolder()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    if (length <= 0 || length >= ssize_t(sizeof buffer))
        return {};
    return QFileInfo(QFile::decodeName(QByteArray(buffer, length))).absolutePath();
}

const MetadataModuleEntries* load()
{
    const QString path = MetadataModule::path();
    const QByteArray encoded = QFile::encodeName(path);
    // Kept for the life of the process: its readers may run on any thread until the end.
    void* handle = ::dlopen(encoded.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle) {
        qCritical().noquote() << QStringLiteral("The photo and music readers could not be loaded: %1")
                                     .arg(QString::fromLocal8Bit(::dlerror()));
        return nullptr;
    }
    const auto entryPoint =
        reinterpret_cast<MetadataModuleEntryPoint>(::dlsym(handle, QUORVEL_METADATA_MODULE_ENTRY));
    const MetadataModuleEntries* entries = entryPoint ? entryPoint() : nullptr;
    if (!entries || entries->interfaceVersion != kMetadataModuleInterface
        || qstrcmp(entries->programVersion, QUORVEL_VERSION) != 0) {
        qCritical().noquote() << QStringLiteral("The photo and music readers at %1 belong to another "
                                                "version of the program")
                                     .arg(path);
        return nullptr;
    }
    g_loaded.store(true, std::memory_order_release);
    return entries;
}

} // namespace

namespace MetadataModule {

QString fileName()
{
    return QStringLiteral("libquorvel-metadata.so");
}

QString path()
{
    return programFolder() + QStringLiteral("/../" QUORVEL_MODULE_FOLDER "/") + fileName();
}

const MetadataModuleEntries* entries()
{
    static const MetadataModuleEntries* const loaded = load();
    return loaded;
}

bool isLoaded()
{
    return g_loaded.load(std::memory_order_acquire);
}

BackgroundLoad::BackgroundLoad()
    : loader_([] { entries(); })
{
}

BackgroundLoad::~BackgroundLoad()
{
    loader_.join();
}

} // namespace MetadataModule
