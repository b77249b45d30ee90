// The entry point of the metadata module: the only symbol it exports.
#include "platform/metadatamodule.h"
#include "platform/readers/readers.h"

extern "C" __attribute__((visibility("default"))) const MetadataModuleEntries* quorvel_metadata_module_entries()
{
    static const MetadataModuleEntries entries{
        kMetadataModuleInterface, QUORVEL_VERSION, Exiv2Reader::initialize, Exiv2Reader::readProperties,
        TagLibReader::read,
    };
    return &entries;
}
