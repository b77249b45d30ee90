#include "cli/listoutput.h"

#include "engine/filelist.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>
#include <unistd.h>

namespace {

void out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

QString effectiveFormat(const QString& requested)
{
    if (!requested.isEmpty())
        return requested;
    return ::isatty(STDOUT_FILENO) ? QStringLiteral("table") : QStringLiteral("tsv");
}

void printFileList(const FileList& list, const QString& format)
{
    if (format == QLatin1String("json")) {
        QJsonArray array;
        for (const FileSystemItem& item : list.files) {
            QJsonObject o;
            o.insert(QStringLiteral("fullPath"), item.fullPath);
            o.insert(QStringLiteral("newFilename"), item.newFilenameValue()); // as it will be on disk
            o.insert(QStringLiteral("itemType"), item.itemType);
            // Where the proposed name's capture date came from ("EXIF", "XMP", "QuickTime
            // key", "movie header"; "" when it took none).
            o.insert(QStringLiteral("dateSource"), dateSourceName(item.proposedDateSource()));
            // The item's status ("" while it holds a proposed name): after an apply, its
            // final status.
            o.insert(QStringLiteral("status"), Status::isStatus(item.newFilename) ? item.newFilename : QString());
            array.append(o);
        }
        out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
        return;
    }
    if (format == QLatin1String("table")) {
        qsizetype width = 12;
        for (const FileSystemItem& item : list.files)
            width = std::max(width, item.displayField(QStringLiteral("filenameWithExtension")).size());
        width = std::min<qsizetype>(width, 60);
        out(QStringLiteral("%1  %2\n").arg(QStringLiteral("Current name"), -int(width)).arg(QStringLiteral("New name")));
        for (const FileSystemItem& item : list.files)
            out(QStringLiteral("%1  %2\n")
                    .arg(item.displayField(QStringLiteral("filenameWithExtension")), -int(width))
                    .arg(item.displayField(QStringLiteral("newFilename"))));
        return;
    }
    QString text;
    for (const FileSystemItem& item : list.files) {
        text += item.fullPath;
        text += QLatin1Char('\t');
        text += item.newFilename;
        text += QLatin1Char('\n');
        if (text.size() > 1 << 16) {
            out(text);
            text.clear();
        }
    }
    out(text);
}

void leaveItemsToTheExit(FileList& list)
{
    static std::vector<FileSystemItem>* const items = new std::vector<FileSystemItem>();
    items->swap(list.files);
}
