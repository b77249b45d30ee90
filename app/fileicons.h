#pragma once

#include <QFileIconProvider>
#include <QHash>
#include <QIcon>
#include <QMimeDatabase>

class FileSystemItem;

// The icon column: the desktop's icon for the item's type, with the "Error" badge over
// it while the item holds a status that is a failure (isFailure) and the "Success" badge
// once it was renamed. Icons are looked up by MIME type from the name only (the disk is not
// read) and cached, so a long list costs one lookup per type.
class FileIcons {
public:
    // The badge's size inside the 32 by 32 picture.
    static constexpr int kIconSize = 32;
    static constexpr int kBadgeSize = 16;

    QIcon iconFor(const FileSystemItem& item);

    // A status that tells of something that went or would go wrong (it exists, it is not
    // found, a name used twice, not restored). "No Changes" only says the name stays.
    static bool isFailure(const QString& newFilename);

private:
    QIcon typeIcon(bool asFolder, const QString& name, QString& cacheKey);
    QIcon badged(const QIcon& base, const QString& badge, const QString& cacheKey);

    QFileIconProvider provider_;
    QMimeDatabase mimes_;
    QHash<QString, QIcon> icons_;
};
