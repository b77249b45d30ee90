#include "intake/intakepath.h"

#include "platform/filemanager.h"

#include <QDir>
#include <QFile>

namespace IntakePath {

bool isFaithful(const QString& path)
{
    if (path.contains(QChar(u'\0')))
        return false;
    if (QFile::decodeName(QFile::encodeName(path)) != path)
        return false;
    if (path.contains(QChar(QChar::ReplacementCharacter)) && !FileManager::exists(path))
        return false;
    return true;
}

std::optional<QString> normalized(const QString& path)
{
    if (path.isEmpty())
        return std::nullopt;
    const QString absolute = QDir::isAbsolutePath(path) ? path : QDir::current().absoluteFilePath(path);
    QString cleaned = QDir::cleanPath(absolute);
    if (!isFaithful(cleaned))
        return std::nullopt;
    return cleaned;
}

} // namespace IntakePath
