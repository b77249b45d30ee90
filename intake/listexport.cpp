#include "intake/listexport.h"

#include "engine/filelist.h"
#include "engine/filename.h"
#include "platform/messages.h"

#include <QStringList>

namespace {

bool breaksLine(const QString& field)
{
    for (const QChar c : field) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            return true;
    }
    return false;
}

} // namespace

QByteArray buildExport(const FileList& list, const ExportOptions& options, int* skipped,
                       const std::function<void(int done)>& progress)
{
    const bool locationColumn = options.isLocation && !options.isIncludeLocation;
    QByteArray out;
    if (options.addColumnNamesInHeader) {
        QStringList names;
        if (options.isFilename)
            names.append(msg("FILENAME"));
        if (options.isNewFilename)
            names.append(msg("NEWFILENAME"));
        if (locationColumn)
            names.append(msg("LOCATION"));
        out.append(names.join(QLatin1Char('\t')).toUtf8());
        out.append('\n');
    }

    int left = 0;
    int done = 0;
    QStringList fields;
    for (const FileSystemItem& item : list.files) {
        fields.clear();
        if (options.isFilename)
            fields.append(options.isIncludeLocation ? item.displayField(QStringLiteral("fileWithPath"))
                                                    : item.displayField(QStringLiteral("filenameWithExtension")));
        if (options.isNewFilename) {
            const QString newName = item.displayField(QStringLiteral("newFilename"));
            fields.append(options.isIncludeLocation ? appendingPathComponent(item.fileLocation(), newName) : newName);
        }
        if (locationColumn)
            fields.append(item.displayField(QStringLiteral("fileLocation")));

        bool fits = true;
        for (const QString& field : std::as_const(fields))
            fits = fits && !breaksLine(field);
        if (fits) {
            out.append(fields.join(QLatin1Char('\t')).toUtf8());
            out.append('\n');
        } else {
            ++left;
        }
        if (progress)
            progress(++done);
    }
    if (skipped)
        *skipped = left;
    return out;
}
