#include "app/clipboardselection.h"

#include <QMimeData>
#include <QUrl>

namespace ClipboardSelection {

QStringList paths(const QMimeData* data)
{
    QStringList out;
    if (!data)
        return out;
    QList<QUrl> urls;
    if (data->hasUrls()) {
        urls = data->urls();
    } else {
        const QByteArray gnome = data->data(QStringLiteral("x-special/gnome-copied-files"));
        const QList<QByteArray> lines = gnome.split('\n');
        // The first line says "copy" or "cut"; the URLs follow.
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            if (!line.isEmpty())
                urls << QUrl::fromEncoded(line);
        }
    }
    for (const QUrl& url : urls) {
        if (url.isValid() && url.isLocalFile() && !url.toLocalFile().isEmpty())
            out << url.toLocalFile();
    }
    return out;
}

} // namespace ClipboardSelection
