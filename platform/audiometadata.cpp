#include "platform/audiometadata.h"

#include "platform/metadatamodule.h"

namespace AudioMetadata {

AudioAttributes read(const QString& path)
{
    const MusicModuleEntries* module = MetadataModule::musicReaders();
    return module ? module->readAudioTags(path) : AudioAttributes();
}

} // namespace AudioMetadata
