#include "profiles/atomicwrite.h"

#include <QSaveFile>

bool writeFileWhole(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    if (!written || !file.commit()) {
        if (error)
            *error = QStringLiteral("Can't write %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}
