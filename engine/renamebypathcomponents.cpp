// Path components: the names of the innermost folders that hold the item, joined by a
// separator and wrapped in a prefix and suffix, put into the base name at the start, the
// end, a position, or before or after the N-th occurrence of a text.
#include "engine/proposedname.h"
#include "engine/renamingcontract.h"
#include "engine/renamingmethods.h"
#include "engine/textplacement.h"

#include <QStringList>

#include <algorithm>

namespace {

// The innermost level folder names of the location, outermost first, joined by the
// separator. A level beyond the number of folders (or a negative one) takes them all;
// the root "/" is never one of them.
QString folderText(const QString& location, int level, const QString& separator)
{
    const QStringList names = location.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    // The path's components: the root "/" (for an absolute path) and then every name.
    const qint64 components = names.size() + (location.startsWith(QLatin1Char('/')) ? 1 : 0);
    qint64 n = level;
    if (quint64(n) > quint64(components - 1))
        n = components - 1;
    n = std::min<qint64>(n, names.size());
    QString text;
    for (qint64 i = names.size() - n; i < names.size(); ++i) {
        if (!text.isEmpty())
            text += separator;
        text += names.at(i);
    }
    return text;
}

} // namespace

MethodResult renameByPathComponents(FileSystemItem& item, const PathComponentsOptions& options)
{
    return applyRenamingContract(item, [&](const NameParts& name) {
        const QString text = slashesToColons(options.prefix)
            + folderText(item.fileLocation(), options.levels, slashesToColons(options.separator))
            + slashesToColons(options.suffix);
        return proposedName(TextPlacement::place(name.base, text, TextPlacement::withColons(options.where)),
                            name.extension);
    });
}
