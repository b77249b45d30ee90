// Which file system holds a folder: mountinfo read from a fixture, and what libblkid finds
// on a device image.
#include "platform/filesystemtype.h"
#include "support/temptree.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace FileSystemType;

TEST(FileSystemType, MountinfoGivesTheLongestMountPointHoldingAPath)
{
    const QByteArray mountinfo =
        "22 1 254:0 / / rw,relatime shared:1 - ext4 /dev/vda rw\n"
        "40 22 0:35 / /media/usb\\040stick rw,nosuid master:3 - vfat /dev/sdb1 rw,fmask=0022\n"
        "41 22 0:36 / /media/card rw shared:4 shared:5 - fuseblk /dev/sdc1 rw,user_id=0\n"
        "42 22 0:37 / /media/cardx rw - fuseblk.exfat /dev/sdd1 rw\n"
        "43 22 0:38 / /media/old rw - fuse.fusefat /dev/sde1 rw\n"
        "44 22 0:39 / /media/old rw - ntfs3 /dev/sdf1 rw\n"
        "not a mountinfo line\n";
    const std::vector<Mount> mounts = parseMountInfo(mountinfo);
    ASSERT_EQ(mounts.size(), 6u);
    EXPECT_EQ(mounts[1].mountPoint, "/media/usb stick");
    EXPECT_EQ(mounts[2].source, "/dev/sdc1");

    const struct {
        const char* path;
        const char* mountPoint;
        const char* type;
    } cases[] = {
        {"/home/me/Pictures", "/", "ext4"},
        {"/media/usb stick/DCIM", "/media/usb stick", "vfat"},
        {"/media/usb stick", "/media/usb stick", "vfat"},
        {"/media/usb", "/", "ext4"},            // whole components only
        {"/media/cardx/a", "/media/cardx", "exfat"}, // a FUSE mount's subtype
        {"/media/old/x", "/media/old", "ntfs3"},    // the later of two on one mount point
    };
    for (const auto& c : cases) {
        const Mount* mount = mountHolding(mounts, QString::fromUtf8(c.path));
        ASSERT_NE(mount, nullptr) << c.path;
        EXPECT_EQ(mount->mountPoint, QString::fromUtf8(c.mountPoint)) << c.path;
        EXPECT_EQ(typeOf(*mount), QString::fromLatin1(c.type)) << c.path;
    }
    EXPECT_EQ(typeOf(mounts[4]), "fusefat");
    // A plain fuseblk mount whose device is not there stays unknown.
    EXPECT_EQ(typeOf(mounts[2]), "");
}

TEST(FileSystemType, AFuseblkDeviceIsNamedByWhatIsOnIt)
{
    const QString mkfs = QStandardPaths::findExecutable(QStringLiteral("mkfs.exfat"), {"/usr/sbin", "/sbin"});
    if (mkfs.isEmpty())
        GTEST_SKIP() << "mkfs.exfat (exfatprogs) is not installed";
    TempTree tree;
    const QString image = tree.file("card.img");
    ASSERT_TRUE(QFile::resize(image, 16 << 20));
    QProcess format;
    format.start(mkfs, {image});
    ASSERT_TRUE(format.waitForFinished(30000));
    ASSERT_EQ(format.exitCode(), 0) << format.readAllStandardError().toStdString();
    EXPECT_EQ(typeOnDevice(image), "exfat");
    EXPECT_EQ(typeOf(Mount{QStringLiteral("/media/card"), QStringLiteral("fuseblk"), image}), "exfat");
    EXPECT_EQ(typeOnDevice(tree.file("empty.img")), "");
}
