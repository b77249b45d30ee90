#pragma once

// Rename logs written by hand for the undo tests, in the documented layout: root "files"
// with "appversion" and "type", one empty "file" element per rename with "srclocation",
// "tarlocation", "srcfilename" and "tarfilename" (names with ":" shown as "/").

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace TestLogs {

struct Item {
    QString srclocation;
    QString tarlocation;
    QString srcfilename;
    QString tarfilename;
    quint64 inode = 0; // written when not 0
};

// The entry a rename from source to target leaves (full paths as on disk).
Item renamed(const QString& source, const QString& target);

// The whole document; an empty appversion stands for the program's own version.
QByteArray xml(const QList<Item>& items, const QString& appversion = QString(),
               const QString& type = QStringLiteral("FILES"));

// The document cut in the middle of the element after the first `complete` ones, as a
// crash or a damaged disk leaves it.
QByteArray truncatedAfter(const QList<Item>& items, int complete);

// "Log dd-MM-yyyy HH-mm-ss-<countPart>.xml" for an apply that started at `start`.
QString name(const QDateTime& start, const QString& countPart);

// Writes data as folder/fileName; returns the path.
QString write(const QString& folder, const QString& fileName, const QByteArray& data);

// Holds an exclusive flock on a file, as a running apply holds its journal.
class HeldLock {
public:
    explicit HeldLock(const QString& path);
    ~HeldLock();
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;
    bool isHeld() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// Makes a folder's entries impossible to remove (also for root: the immutable flag) for
// its lifetime. isActive() is false where the file system refuses that.
class UndeletableFolder {
public:
    explicit UndeletableFolder(const QString& folder);
    ~UndeletableFolder();
    UndeletableFolder(const UndeletableFolder&) = delete;
    UndeletableFolder& operator=(const UndeletableFolder&) = delete;
    bool isActive() const { return active_; }

private:
    QString folder_;
    bool immutable_ = false;
    bool active_ = false;
};

} // namespace TestLogs
