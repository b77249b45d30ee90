#pragma once

#include <QString>
#include <QStringList>

// What the photo method of one pass left unnamed for its extension alone: files of formats
// it reads whose extension is not in the photo extensions, counted, and those extensions in
// the order they were met (".HEIC", ".MOV"). The window's status bar and the command line
// tell it once per preview, so that a format the list lacks does not pass for a file
// without metadata.
struct SkippedExtensions {
    qint64 items = 0;
    QStringList extensions;

    bool isEmpty() const { return items == 0; }
    void add(const QString& extension)
    {
        ++items;
        if (!extensions.contains(extension))
            extensions.append(extension);
    }
    bool operator==(const SkippedExtensions&) const = default;

    // What a person is told: "3 files skipped: .HEIC, .MOV are not in the photo extensions".
    QString note() const;
};
