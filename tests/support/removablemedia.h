#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A memory card or USB stick for a test: an image file made with mkfs, attached to a loop
// device and mounted with the FUSE driver most distributions use for it (exFAT through
// exfat-fuse, FAT16 through fusefat). Unmounted and detached when it goes, whatever the test
// did. Needs root, /dev/fuse, loop devices and the tools; without them it says why (for
// GTEST_SKIP) and mounts nothing.
class RemovableMedia {
public:
    enum class Format { ExFat, Fat16 };
    static const char* name(Format format);

    explicit RemovableMedia(Format format, int sizeMiB = 64);
    ~RemovableMedia();
    RemovableMedia(const RemovableMedia&) = delete;
    RemovableMedia& operator=(const RemovableMedia&) = delete;

    // Mounted and usable; otherwise whyNot() says what is missing or what failed.
    bool isMounted() const { return mounted_; }
    const QString& whyNot() const { return whyNot_; }
    QString root() const { return mountPoint_; }

    // Unmounts and mounts the same device again (the FUSE driver starts afresh, and may
    // number the files anew). False, with whyNot set, when either step fails.
    bool remount();

private:
    bool run(const QString& program, const QStringList& arguments, int timeoutMs = 20000);
    bool mount();
    void unmount();

    Format format_;
    // fusefat runs in the foreground, as a child of ours, so that an unmount can wait until it
    // has written everything and gone (exfat-fuse mounts a block device: its unmount waits).
    QProcess foreground_;
    QTemporaryDir dir_;
    QString image_;
    QString loopDevice_;
    QString mountPoint_;
    bool mounted_ = false;
    QString whyNot_;
};
