#pragma once

#include <QString>

// Folders that refuse changes, for root as well as for other users: the immutable
// attribute where the file system has it, else the permission bits. Undone on destruction.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path);
    ~ReadOnlyFolder();
    // False when neither way made the folder refuse a new entry.
    bool active() const { return active_; }

private:
    QString path_;
    bool immutable_ = false;
    bool active_ = false;
};

// A small tmpfs mounted over a folder (root only), so that a folder can really be full.
class SmallFileSystem {
public:
    SmallFileSystem(const QString& mountPoint, int kilobytes);
    ~SmallFileSystem();
    bool mounted() const { return mounted_; }
    // Fills the file system with a ballast file until at most `free` bytes are left.
    bool fillLeaving(qint64 free);

private:
    QString mountPoint_;
    bool mounted_ = false;
};

// A file size limit for this process (RLIMIT_FSIZE, with SIGXFSZ ignored so that writes
// past it fail with EFBIG instead of killing the process). Restored on destruction.
class FileSizeLimit {
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();

private:
    unsigned long long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};
