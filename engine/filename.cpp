#include "engine/filename.h"

#include "platform/utf16scan.h"

#include <algorithm>

namespace {

// Where the extension's dot is, or -1 when the name has no extension.
qsizetype extensionDot(QStringView name)
{
    const qsizetype dot = Utf16Scan::lastIndexOf(name, u'.');
    return dot <= 0 || dot == name.size() - 1 ? -1 : dot;
}

} // namespace

NameParts splitName(const QString& name)
{
    const qsizetype dot = extensionDot(name);
    if (dot < 0)
        return {name, QString()};
    return {name.left(dot), name.mid(dot + 1)};
}

NameParts splitName(QStringView name)
{
    const qsizetype dot = extensionDot(name);
    if (dot < 0)
        return {name.toString(), QString()};
    return {name.left(dot).toString(), name.mid(dot + 1).toString()};
}

QString joinName(const QString& base, const QString& extension)
{
    if (extension.isEmpty())
        return base;
    // One allocation, filled directly: every renaming method ends here for every item.
    QString name(base.size() + 1 + extension.size(), Qt::Uninitialized);
    QChar* out = std::copy_n(base.constData(), base.size(), name.data());
    *out++ = QLatin1Char('.');
    std::copy_n(extension.constData(), extension.size(), out);
    return name;
}

QString lastPathComponent(const QString& path)
{
    const qsizetype slash = Utf16Scan::lastIndexOf(path, u'/');
    return slash < 0 ? path : path.mid(slash + 1);
}

QString deletingLastPathComponent(const QString& path)
{
    const qsizetype slash = Utf16Scan::lastIndexOf(path, u'/');
    if (slash < 0)
        return QString();
    if (slash == 0)
        return QStringLiteral("/");
    return path.left(slash);
}

QString appendingPathComponent(QStringView folder, QStringView name)
{
    // One allocation, filled directly: this runs for every item of every pass.
    const qsizetype slash = folder.endsWith(QLatin1Char('/')) ? 0 : 1;
    QString path(folder.size() + slash + name.size(), Qt::Uninitialized);
    QChar* out = path.data();
    std::copy_n(folder.constData(), folder.size(), out);
    if (slash)
        out[folder.size()] = QLatin1Char('/');
    std::copy_n(name.constData(), name.size(), out + folder.size() + slash);
    return path;
}

bool isUsableFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    const qsizetype n = name.size();
    const char16_t* units = reinterpret_cast<const char16_t*>(name.constData());
    // Most names are all plain units: found so a block at a time, then checked one by one
    // from the first unit that is not.
    for (qsizetype i = Utf16Scan::spanWithin<u'/'>(name, 0x20, 0xD800); i < n; ++i) {
        const char16_t c = units[i];
        if (c >= 0x20 && c < 0xD800 && c != u'/')
            continue; // the common case, checked first
        if (QChar::isHighSurrogate(c)) {
            if (i + 1 >= n || !QChar::isLowSurrogate(units[i + 1]))
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
