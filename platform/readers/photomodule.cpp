// The entry point of the photo reader module: the only symbol it exports.
#include "platform/metadatamodule.h"
#include "platform/readers/readers.h"

extern "C" __attribute__((visibility("default"))) const PhotoModuleEntries* quorvel_photo_module_entries()
{
    static const PhotoModuleEntries entries{
        {kReaderModuleInterface, QUORVEL_VERSION}, Exiv2Reader::initialize, Exiv2Reader::readProperties};
    return &entries;
}
