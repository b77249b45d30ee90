#pragma once

class QuorvelAppController;

// The status bar's note after a preview whose photo method left files of formats it reads
// unnamed for their extension alone: "3 files skipped: .HEIC, .MOV are not in the photo
// extensions — Add Them". "Add Them" adds those extensions to the photo list and previews
// again. The note is told once: it takes what the last pass gathered, and the end of a
// pass that gathered nothing takes the note away.
namespace SkippedExtensionsNote {

void show(QuorvelAppController& controller);

} // namespace SkippedExtensionsNote
