#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>
#include <memory>
#include <sys/types.h>

// Answers "is there an entry of this name here, and which inode is it" for the many names
// of one pass. A folder that holds many of the names asked about is read once, in one
// listing pass, and answered from that listing; a folder much larger than what is asked of
// it (three items in a folder of a million entries), one that folds letter case, or one
// that cannot be listed is answered one lookup at a time. The answers are as fresh as the
// pass: a listing is read when it is first needed and kept until the object goes.
// Links are not followed: a link, dangling or not, is an entry.
class FolderEntries {
public:
    FolderEntries();
    ~FolderEntries();
    FolderEntries(const FolderEntries&) = delete;
    FolderEntries& operator=(const FolderEntries&) = delete;

    struct Entry {
        ino_t inode = 0;            // 0 when there is no entry
        bool isRegularFile = false; // known to be a plain file (not a link, not a folder)
    };
    // The entry at path.
    Entry entryAt(const QString& path);
    // The entry of that name in that folder ("/" for the root).
    Entry entryAt(QStringView folder, QStringView name);
    // The inode of the entry at path, or 0 when there is none.
    ino_t inodeAt(const QString& path) { return entryAt(path).inode; }
    bool exists(const QString& path) { return inodeAt(path) != 0; }

    // Calls visit with every entry of the folder (not "." and ".."), read in one listing
    // that later lookups in the folder are answered from. A folder that folds case is read
    // all the same (its lookups stay one at a time). Nothing when it cannot be read. Each
    // name is decoded into one buffer kept for the whole listing: the view is valid only
    // during its call.
    void forEachEntry(const QString& folder, const std::function<void(QStringView name, const Entry& entry)>& visit);

    // Whether the folder's lookups are answered from a listing already read (not one lookup
    // at a time).
    bool answersFromListing(QStringView folder);

    // Listings made so far (for tests: the many-names case is served by a listing).
    int listingsRead() const { return listingsRead_; }

private:
    struct Folder;
    // The folder's record, made on first use; lastFolderPath_ names it afterwards.
    Folder& folderOf(QStringView folder);
    bool list(const QString& folder, Folder& f);
    // One lookup on disk.
    static Entry lookUp(const QString& path);

    QHash<QString, std::shared_ptr<Folder>> folders_;
    QString lastFolderPath_;
    Folder* lastFolder_ = nullptr;
    int listingsRead_ = 0;
    QByteArray nameBytes_; // the name looked up last, encoded
};
