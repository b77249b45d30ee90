#pragma once

#include <QStringList>

class QMimeData;

// The selection a file manager puts on the clipboard when its items are copied: the
// "text/uri-list" of every desktop, or else GNOME's "x-special/gnome-copied-files"
// ("copy" or "cut", then one URL a line). Only local files count.
namespace ClipboardSelection {

QStringList paths(const QMimeData* data);

} // namespace ClipboardSelection
