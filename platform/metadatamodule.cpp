#include "platform/metadatamodule.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <climits>

#include <dlfcn.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_loaded[2]{false, false};

std::atomic<bool>& loadedFlag(MetadataModule::Kind kind)
{
    return g_loaded[kind == MetadataModule::Kind::Photos ? 0 : 1];
}

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

// The entries a module exports under `symbol`, or null (the reason logged).
template <typename Entries>
const Entries* load(MetadataModule::Kind kind, const char* symbol)
{
    using EntryPoint = const Entries* (*)();
    const QString path = MetadataModule::path(kind);
    const QByteArray encoded = QFile::encodeName(path);
    // Kept for the life of the process: its readers may run on any thread until the end.
    void* handle = ::dlopen(encoded.constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!handle) {
        qCritical().noquote() << QStringLiteral("The %1 reader could not be loaded: %2")
                                     .arg(kind == MetadataModule::Kind::Photos ? QStringLiteral("photo")
                                                                               : QStringLiteral("music"),
                                          QString::fromLocal8Bit(::dlerror()));
        return nullptr;
    }
    const auto entryPoint = reinterpret_cast<EntryPoint>(::dlsym(handle, symbol));
    const Entries* entries = entryPoint ? entryPoint() : nullptr;
    if (!entries || entries->header.interfaceVersion != kReaderModuleInterface
        || qstrcmp(entries->header.programVersion, QUORVEL_VERSION) != 0) {
        qCritical().noquote() << QStringLiteral("The reader at %1 belongs to another version of the program")
                                     .arg(path);
        return nullptr;
    }
    loadedFlag(kind).store(true, std::memory_order_release);
    return entries;
}

} // namespace

namespace MetadataModule {

QString fileName(Kind kind)
{
    return kind == Kind::Photos ? QStringLiteral("libquorvel-photos.so") : QStringLiteral("libquorvel-music.so");
}

QString path(Kind kind)
{
    return programFolder() + QStringLiteral("/../" QUORVEL_MODULE_FOLDER "/") + fileName(kind);
}

const PhotoModuleEntries* photoReaders()
{
    static const PhotoModuleEntries* const loaded = load<PhotoModuleEntries>(Kind::Photos, QUORVEL_PHOTO_MODULE_ENTRY);
    return loaded;
}

const MusicModuleEntries* musicReaders()
{
    static const MusicModuleEntries* const loaded = load<MusicModuleEntries>(Kind::Music, QUORVEL_MUSIC_MODULE_ENTRY);
    return loaded;
}

bool isLoaded(Kind kind)
{
    return loadedFlag(kind).load(std::memory_order_acquire);
}

BackgroundLoad::BackgroundLoad(Kind kind)
    : loader_([kind] {
        if (kind == Kind::Photos)
            photoReaders();
        else
            musicReaders();
    })
{
}

BackgroundLoad::~BackgroundLoad()
{
    loader_.join();
}

} // namespace MetadataModule
