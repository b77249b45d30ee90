#include "cli/listoutput.h"

#include "engine/filelist.h"
#include "pipeline/companiongroups.h"

#include <QHash>
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

// The rows printed: the listed items in list order, each lead followed by its followers
// that are not listed.
std::vector<const FileSystemItem*> rowsOf(const FileList& list, const Companions* companions)
{
    std::vector<const FileSystemItem*> rows;
    rows.reserve(list.files.size() + (companions ? companions->unlisted.size() : 0));
    QHash<qint32, std::vector<const FileSystemItem*>> unlistedOf;
    if (companions) {
        for (const FileSystemItem& item : companions->unlisted)
            unlistedOf[item.companionGroup].push_back(&item);
    }
    for (const FileSystemItem& item : list.files) {
        rows.push_back(&item);
        if (item.leadsCompanions && !unlistedOf.isEmpty()) {
            for (const FileSystemItem* follower : unlistedOf.value(item.companionGroup))
                rows.push_back(follower);
        }
    }
    return rows;
}

void printFileList(const FileList& list, const QString& format, const Companions* companions)
{
    const std::vector<const FileSystemItem*> rows = rowsOf(list, companions);
    if (format == QLatin1String("json")) {
        QJsonArray array;
        for (const FileSystemItem* row : rows) {
            const FileSystemItem& item = *row;
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
            // A companion file renamed with its lead: the lead's path as previewed.
            if (companions) {
                if (const QString lead = companions->leadOf(item); !lead.isEmpty())
                    o.insert(QStringLiteral("follows"), lead);
            }
            array.append(o);
        }
        out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
        return;
    }
    if (format == QLatin1String("table")) {
        qsizetype width = 12;
        for (const FileSystemItem* item : rows)
            width = std::max(width, item->displayField(QStringLiteral("filenameWithExtension")).size());
        width = std::min<qsizetype>(width, 60);
        out(QStringLiteral("%1  %2\n").arg(QStringLiteral("Current name"), -int(width)).arg(QStringLiteral("New name")));
        for (const FileSystemItem* item : rows)
            out(QStringLiteral("%1  %2\n")
                    .arg(item->displayField(QStringLiteral("filenameWithExtension")), -int(width))
                    .arg(item->displayField(QStringLiteral("newFilename"))));
        return;
    }
    QString text;
    for (const FileSystemItem* item : rows) {
        text += item->fullPath;
        text += QLatin1Char('\t');
        text += item->newFilename;
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
