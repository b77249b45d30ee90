#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// Everything a tree holds, for "nothing lost, nothing overwritten" checks: every file's
// path below the root with its content, and every folder. Links are recorded as links
// (their target text), never followed.
struct TreeState {
    QMap<QString, QByteArray> files;   // relative path -> content
    QStringList folders;               // relative paths, sorted
    QMap<QString, QByteArray> links;   // relative path -> link target

    static TreeState read(const QString& root);
    // Deletes everything below root, however deep (QDir stops at PATH_MAX).
    static void removeContents(const QString& root);

    // The contents as a sorted multiset (names left out): what a rename must keep.
    QList<QByteArray> contentMultiset() const;

    // A readable account of the first differences to other ("" when they are equal).
    QString differences(const TreeState& other, int max = 10) const;
    bool operator==(const TreeState& other) const
    {
        return files == other.files && folders == other.folders && links == other.links;
    }
};
