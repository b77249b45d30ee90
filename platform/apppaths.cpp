#include "platform/apppaths.h"

#include "platform/edition.h"
#include "platform/filemanager.h"

#include <QDir>
#include <QStandardPaths>

namespace AppPaths {

QString getAppPath()
{
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (home.isEmpty())
        return QString();
    return QDir::cleanPath(home + QLatin1Char('/') + Edition::current().dataFolder);
}

bool createApplicationUsersFolder(const QString& name, QString& error)
{
    const QString base = getAppPath();
    if (base.isEmpty()) {
        error = QStringLiteral("the user's data folder cannot be determined");
        return false;
    }
    const QString path = name.isEmpty() ? base : base + QLatin1Char('/') + name;
    if (FileManager::isDirectory(path))
        return true;
    return FileManager::createDirectory(path, true, &error);
}

} // namespace AppPaths
