#include "platform/audiometadata.h"

#include "platform/metadatamodule.h"

namespace AudioMetadata {

AudioAttributes read(const QString& path)
{
    const MetadataModuleEntries* module = MetadataModule::entries();
    return module ? module->readAudioTags(path) : AudioAttributes();
}

} // namespace AudioMetadata
