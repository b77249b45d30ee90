#pragma once

#include <QString>
#include <QStringView>

// Splitting a name into base and extension. A name has an extension only when its last
// "." is neither its first nor its last character: ".bashrc" has none, "a." has none
// (its base is "a."). base + "." + extension always rebuilds the name exactly.
struct NameParts {
    QString base;
    QString extension; // without the dot; empty when there is none
};

NameParts splitName(const QString& name);
// The same split of a name inside a longer text (a path's last component).
NameParts splitName(QStringView name);
// base + "." + extension, or base alone when the extension is empty.
QString joinName(const QString& base, const QString& extension);
// The last path component ("/" separated); the whole text when it holds no "/".
QString lastPathComponent(const QString& path);
// The path without its last component and without a trailing "/" ("/" for "/x").
QString deletingLastPathComponent(const QString& path);
// folder + "/" + name, without doubling a "/" after the root.
QString appendingPathComponent(QStringView folder, QStringView name);

// A proposed name that cannot be a file name: it contains U+0000, an unpaired surrogate
// or a character XML 1.0 cannot hold, it is "." or "..", or it is longer than 255 bytes
// in UTF-8. (A "/" never reaches here: names are read with "/" turned into ":".)
bool isUsableFileName(const QString& name);
