// The one reader of user-named and stored files: a regular file (through links too) is
// read; everything else is refused at once with a message that names it.
#include "platform/checkedfile.h"

#include "support/hostilepaths.h"
#include "support/temptree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

TEST(CheckedFile, ReadsARegularFileThroughALinkAndRefusesEverythingElse)
{
    TempTree tree;
    const QString plain = tree.file("plain.txt", "hello");
    const QString link = tree.at("link.txt");
    ASSERT_EQ(::symlink(QFile::encodeName(plain).constData(), QFile::encodeName(link).constData()), 0);
    for (const QString& path : {plain, link}) {
        const std::optional<QByteArray> read = CheckedFile::readAll(path, CheckedFile::Kind::PropertyList);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read, "hello");
    }
    // A file that holds more than its size says when opened (a kernel file, sized 0, here;
    // a file that grew) is read to its end, past the size.
    QFile kernelFile(QStringLiteral("/proc/self/mountinfo"));
    if (kernelFile.open(QIODevice::ReadOnly)) {
        const QByteArray whole = kernelFile.readAll();
        const std::optional<QByteArray> read =
            CheckedFile::readAll(kernelFile.fileName(), CheckedFile::Kind::PropertyList);
        ASSERT_TRUE(read.has_value());
        EXPECT_GT(read->size(), 0);
        EXPECT_EQ(*read, whole);
    }

    const qint64 pastPlist = CheckedFile::kMaxPropertyListBytes + 1;
    const QList<HostilePath> hostile = hostilePaths(tree, "x.plist", "hello", pastPlist);
    PermissionsApply asAnyUser;
    for (const HostilePath& p : hostile) {
        SCOPED_TRACE(p.what);
        QString error;
        EXPECT_FALSE(CheckedFile::readAll(p.path, CheckedFile::Kind::PropertyList, &error).has_value());
        EXPECT_TRUE(error.contains(p.path)) << error.toStdString();
        EXPECT_FALSE(CheckedFile::isAcceptable(p.path, CheckedFile::Kind::PropertyList));
    }
    // The caps are per kind: a file past the property-list cap is a list of normal size,
    // and a log is never refused for its size.
    const QString big = hostile.last().path;
    QString error;
    EXPECT_TRUE(CheckedFile::isAcceptable(big, CheckedFile::Kind::Log, &error)) << error.toStdString();
    EXPECT_TRUE(CheckedFile::isAcceptable(big, CheckedFile::Kind::List, &error)) << error.toStdString();
    EXPECT_FALSE(CheckedFile::isAcceptable(big, CheckedFile::Kind::PropertyList, &error));
    EXPECT_TRUE(error.contains("too large")) << error.toStdString();
}
