// The entry point of the music reader module: the only symbol it exports.
#include "platform/metadatamodule.h"
#include "platform/readers/readers.h"

extern "C" __attribute__((visibility("default"))) const MusicModuleEntries* quorvel_music_module_entries()
{
    static const MusicModuleEntries entries{{kReaderModuleInterface, QUORVEL_VERSION}, TagLibReader::read};
    return &entries;
}
