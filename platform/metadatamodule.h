#pragma once

#include "platform/audiometadata.h"

#include <QString>
#include <QVariantMap>

#include <thread>

// The photo and music readers (Exiv2 and TagLib) are built as a module of their own,
// platform/readers/, which the programs load the first time they read a photo or a music
// tag. Linked into the programs, the two libraries made every command pay for binding
// their symbols and building their tag tables at start-up (about 5 ms of a one-file
// apply's 20), while most commands read neither.
//
// The module sits at <the program's folder>/../<libdir>/quorvel/, in the build tree as in
// an installed program, and must come from the same build as the program: it is refused
// when its version or interface differs.
struct MetadataModuleEntries {
    int interfaceVersion;
    const char* programVersion;
    // ImageMetadata::initializeExiv2, ImageMetadata::readProperties, AudioMetadata::read.
    void (*initializeExiv2)();
    QVariantMap (*readImageProperties)(const QString& path, unsigned wanted);
    AudioAttributes (*readAudioTags)(const QString& path);
};

inline constexpr int kMetadataModuleInterface = 1;

// The one symbol the module exports.
#define QUORVEL_METADATA_MODULE_ENTRY "quorvel_metadata_module_entries"
extern "C" {
using MetadataModuleEntryPoint = const MetadataModuleEntries* (*)();
}

namespace MetadataModule {

// The module's file name and the path it is loaded from.
QString fileName();
QString path();

// The readers, the module loaded on the first call (thread-safe). Null when it cannot be
// loaded or does not match this program: the reason is logged once as a critical message,
// and every photo or music reading then finds nothing.
const MetadataModuleEntries* entries();

// Whether the module has been loaded in this process (for tests of start-up).
bool isLoaded();

// Loads the module on a thread of its own while the caller goes on: a command that is going
// to read tags starts it before it lists its files. Waits for the load when it goes.
class BackgroundLoad {
public:
    BackgroundLoad();
    ~BackgroundLoad();
    BackgroundLoad(const BackgroundLoad&) = delete;
    BackgroundLoad& operator=(const BackgroundLoad&) = delete;

private:
    std::thread loader_;
};

} // namespace MetadataModule
