#include "engine/filename.h"

NameParts splitName(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == name.size() - 1)
        return {name, QString()};
    return {name.left(dot), name.mid(dot + 1)};
}

QString joinName(const QString& base, const QString& extension)
{
    if (extension.isEmpty())
        return base;
    QString name;
    name.reserve(base.size() + 1 + extension.size());
    name += base;
    name += QLatin1Char('.');
    name += extension;
    return name;
}

QString lastPathComponent(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? path : path.mid(slash + 1);
}

QString deletingLastPathComponent(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

QString appendingPathComponent(const QString& folder, const QString& name)
{
    // One allocation: this runs for every item of every pass.
    QString path;
    path.reserve(folder.size() + 1 + name.size());
    path += folder;
    if (!folder.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    path += name;
    return path;
}

bool isUsableFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = name.at(i).unicode();
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= n || !QChar::isLowSurrogate(name.at(i + 1).unicode()))
                return false;
            ++i;
            continue;
        }
        if (QChar::isLowSurrogate(c))
            return false;
        if (c < 0x20 && c != 0x09 && c != 0x0A && c != 0x0D)
            return false;
        if (c == 0xFFFE || c == 0xFFFF || c == u'/')
            return false;
    }
    // A UTF-16 unit takes at most three bytes in UTF-8, so a short name needs no encoding.
    return n <= 85 || name.toUtf8().size() <= 255;
}
