#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A memory card or USB stick for a test: an image made with mkfs, attached to a loop device
// and mounted with the FUSE driver distributions use for it (exFAT: exfat-fuse, FAT16:
// fusefat); unmounted and detached when it goes. Without root, /dev/fuse, loop devices or the
// tools it mounts nothing and whyNot() says why (for GTEST_SKIP).
class RemovableMedia {
public:
    enum class Format { ExFat, Fat16 };
    static const char* name(Format format);

    explicit RemovableMedia(Format format, int sizeMiB = 64);
    ~RemovableMedia();
    RemovableMedia(const RemovableMedia&) = delete;
    RemovableMedia& operator=(const RemovableMedia&) = delete;

    bool isMounted() const { return mounted_; }
    const QString& whyNot() const { return whyNot_; }
    QString root() const { return mountPoint_; }
    // Unmounts and mounts the same device again (the driver starts afresh and numbers the files anew).
    bool remount();

private:
    bool run(const QString& program, const QStringList& arguments, int timeoutMs = 20000);
    bool mount();
    void unmount();

    Format format_;
    QTemporaryDir dir_;
    QString image_, loopDevice_, mountPoint_, whyNot_;
    bool mounted_ = false;
    // fusefat runs in the foreground as our child, so that an unmount waits until it has written
    // everything and gone (exfat-fuse mounts a block device: its unmount waits by itself).
    QProcess foreground_;
};
