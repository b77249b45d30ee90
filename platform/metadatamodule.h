#pragma once

#include "platform/audiometadata.h"

#include <QString>
#include <QVariantMap>

#include <thread>

// The photo reader (Exiv2) and the music reader (TagLib) are built as two modules of their
// own, platform/readers/, which the programs load the first time they read a photo or a
// music tag. Linked into the programs, the two libraries made every command pay for binding
// their symbols and building their tag tables at start-up (about 5 ms of a one-file apply's
// 20), while most commands read neither; and a command that reads photos has no use for
// TagLib, nor one that reads music for Exiv2.
//
// The modules sit at <the program's folder>/../<libdir>/quorvel/, in the build tree as in
// an installed program, and must come from the same build as the program: a module is
// refused when its version or interface differs.

// What every module's entries begin with.
struct ReaderModuleHeader {
    int interfaceVersion;
    const char* programVersion;
};

struct PhotoModuleEntries {
    ReaderModuleHeader header;
    // ImageMetadata::initializeExiv2, ImageMetadata::readProperties.
    void (*initializeExiv2)();
    QVariantMap (*readImageProperties)(const QString& path, unsigned wanted);
};

struct MusicModuleEntries {
    ReaderModuleHeader header;
    AudioAttributes (*readAudioTags)(const QString& path); // AudioMetadata::read
};

inline constexpr int kReaderModuleInterface = 2;

// The one symbol each module exports.
#define QUORVEL_PHOTO_MODULE_ENTRY "quorvel_photo_module_entries"
#define QUORVEL_MUSIC_MODULE_ENTRY "quorvel_music_module_entries"
extern "C" {
using PhotoModuleEntryPoint = const PhotoModuleEntries* (*)();
using MusicModuleEntryPoint = const MusicModuleEntries* (*)();
}

namespace MetadataModule {

enum class Kind { Photos, Music };

// A module's file name and the path it is loaded from.
QString fileName(Kind kind);
QString path(Kind kind);

// The readers, their module loaded on the first call (thread-safe). Null when it cannot be
// loaded or does not match this program: the reason is logged once as a critical message,
// and every photo or music reading then finds nothing.
const PhotoModuleEntries* photoReaders();
const MusicModuleEntries* musicReaders();

// Whether a module has been loaded in this process (for tests of start-up).
bool isLoaded(Kind kind);

// Loads a module on a thread of its own while the caller goes on: a command that is going
// to read tags starts it before it lists its files. Waits for the load when it goes.
class BackgroundLoad {
public:
    explicit BackgroundLoad(Kind kind);
    ~BackgroundLoad();
    BackgroundLoad(const BackgroundLoad&) = delete;
    BackgroundLoad& operator=(const BackgroundLoad&) = delete;

private:
    std::thread loader_;
};

} // namespace MetadataModule
