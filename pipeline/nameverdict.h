#pragma once

#include "platform/filesystemtype.h"

#include <QString>
#include <QStringView>

#include <functional>

// What the file system of a folder takes in a name. FAT, exFAT and NTFS count a name's
// length in UTF-16 units (255) and refuse the characters " * : < > ? \ | and control
// characters; FAT and exFAT also refuse a name that ends in a dot or a blank. Elsewhere
// (and where the type is unknown) only the length counts, in bytes of UTF-8, up to the
// folder's f_namemax.
struct NameRules {
    enum class Family { Posix, Fat, ExFat, Ntfs };
    Family family = Family::Posix;
    qint64 nameMax = 255; // bytes for Posix, UTF-16 units otherwise

    // The rules of a file system type as FileSystemType names it ("vfat", "exfat",
    // "ntfs3", "ext4", "" for unknown) with its f_namemax (0 for unknown).
    static NameRules forFileSystem(const QString& type, qint64 nameMax);
    // The drive's kind as a person knows it ("exFAT"); "" for the POSIX family.
    QString driveName() const;
};

// A proposed name judged for a folder: no status when it can be used there, else "Name
// Too Long" or "Name Not Allowed Here" with a note that names the reason ("a?b.txt":
// "?" is not allowed on this drive (exFAT)). The names no file system takes (".", "..",
// U+0000 and the other characters an XML rename log cannot hold, a lone surrogate) are
// not allowed anywhere.
struct NameVerdict {
    QString status; // empty: usable
    QString note;
};
NameVerdict judgeName(const QString& name, const NameRules& rules);

// The judge of one pass: each folder's rules are found once (for consecutive items of one
// folder, without a look at the disk), and the first refusal's note is kept with the
// count of refusals, for one message at the end of the pass.
class NameVerdicts {
public:
    // The folders' file systems as found on disk.
    NameVerdicts();
    // The rules of a folder from elsewhere (tests).
    explicit NameVerdicts(std::function<NameRules(const QString& folder)> rulesOf);

    // The status of the name in the folder ("" when usable).
    QString judge(QStringView folder, const QString& name);
    // The note of the first refusal, followed by how many more there were; "" for none.
    QString summary() const;

private:
    std::function<NameRules(const QString&)> rulesOf_;
    FolderFileSystems fileSystems_;
    QString lastFolder_;
    NameRules lastRules_;
    bool hasLast_ = false;
    QString firstNote_;
    int refused_ = 0;
};
