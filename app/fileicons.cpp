#include "app/fileicons.h"

#include "app/themeicons.h"
#include "engine/filesystemitem.h"

#include <QPainter>

QIcon FileIcons::typeIcon(bool asFolder, const QString& name, QString& cacheKey)
{
    cacheKey = asFolder ? QStringLiteral("inode/directory")
                        : mimes_.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name();
    auto it = icons_.constFind(cacheKey);
    if (it != icons_.constEnd())
        return *it;
    QIcon icon;
    if (cacheKey == QLatin1String("inode/directory")) {
        icon = provider_.icon(QAbstractFileIconProvider::Folder);
    } else {
        const QMimeType type = mimes_.mimeTypeForName(cacheKey);
        icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
        if (icon.isNull())
            icon = provider_.icon(QAbstractFileIconProvider::File);
    }
    icons_.insert(cacheKey, icon);
    return icon;
}

QIcon FileIcons::badged(const QIcon& base, const QString& badge, const QString& cacheKey)
{
    const QString key = cacheKey + QLatin1Char('|') + badge;
    auto it = icons_.constFind(key);
    if (it != icons_.constEnd())
        return *it;
    QPixmap picture(kIconSize, kIconSize);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        base.paint(&painter, QRect(0, 0, kIconSize, kIconSize));
        painter.drawPixmap(QRect(kIconSize - kBadgeSize, kIconSize - kBadgeSize, kBadgeSize, kBadgeSize),
                           ThemeIcons::image(badge));
    }
    const QIcon icon(picture);
    icons_.insert(key, icon);
    return icon;
}

bool FileIcons::isFailure(const QString& newFilename)
{
    return Status::isError(newFilename) && newFilename != Status::NoChanges;
}

QIcon FileIcons::iconFor(const FileSystemItem& item)
{
    QString key;
    if (isFailure(item.newFilename)) {
        // Errors show the generic folder for anything that is not a plain file.
        const QIcon base = typeIcon(!item.isFile, item.filenameWithExtension(), key);
        return base.isNull() ? QIcon() : badged(base, QStringLiteral("Error"), key);
    }
    const QIcon base = typeIcon(!item.isFile && item.isFolder, item.filenameWithExtension(), key);
    if (base.isNull())
        return QIcon();
    if (item.newFilename == Status::RenamingOK)
        return badged(base, QStringLiteral("Success"), key);
    return base;
}
