#pragma once

#include <QHash>
#include <QString>

#include <functional>

// How a folder's file system compares names: byte for byte, or with letter case folded
// (a folder with the case-folding attribute, or a FAT, exFAT, NTFS or SMB volume).
namespace FolderCase {

// The folder compares names without regard to letter case.
bool foldsCase(const QString& folder);

// The form under which a name is compared in a folder: the name itself, or its simple case
// fold where the folder folds case.
QString comparisonName(const QString& name, bool folds);

// Replaces the detection (tests simulate a case-folding folder); an empty function
// restores the real one.
void setDetectorForTesting(std::function<bool(const QString&)> detector);

// Asks each folder once: a batch holds many names per folder.
class Cache {
public:
    bool foldsCase(const QString& folder);

private:
    QHash<QString, bool> known_;
};

} // namespace FolderCase
