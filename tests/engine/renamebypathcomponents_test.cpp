#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"

#include <climits>

namespace {

struct Path {
    int level = 1;
    int options = 0;
    int position = 1;
    int direction = 0;
    QString beforeText;
    int beforeOccurrence = 1;
    QString afterText;
    int afterOccurrence = 1;
    QString separator, prefix, suffix;
};

QString withPath(const QString& path, const Path& p)
{
    FileSystemItem item = FileSystemItem::withKind(path, 0);
    QString error;
    EXPECT_TRUE(renameByPathComponents(item, p.level, p.options, p.position, p.direction, p.beforeText,
                                       p.beforeOccurrence, p.afterText, p.afterOccurrence, p.separator, p.prefix,
                                       p.suffix, error))
        << error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

const QString kImage = "/Volumes/Disk/Pictures/2010/img.jpg";

TEST(RenameByPathComponentsTest, InnermostFoldersOutermostFirst)
{
    Path p;
    p.suffix = "_";
    EXPECT_EQ(withPath(kImage, p), "2010_img.jpg");

    Path three;
    three.level = 3;
    three.separator = "-";
    three.prefix = "[";
    three.suffix = "]";
    three.options = 1;
    EXPECT_EQ(withPath(kImage, three), "img[Disk-Pictures-2010].jpg");
}

TEST(RenameByPathComponentsTest, LevelsBeyondTheFoldersTakeThemAll)
{
    Path p;
    p.separator = "-";
    for (int level : {4, 99, INT_MAX, -1, INT_MIN}) {
        p.level = level;
        EXPECT_EQ(withPath(kImage, p), "Volumes-Disk-Pictures-2010img.jpg") << level;
    }
    p.level = 0;
    p.prefix = "x";
    EXPECT_EQ(withPath(kImage, p), "ximg.jpg");
    // Directly in the root folder there is no folder name.
    p.level = 5;
    p.prefix = "";
    EXPECT_EQ(withPath("/img.jpg", p), "img.jpg");
}

TEST(RenameByPathComponentsTest, PlacementAndSlashes)
{
    Path p;
    p.level = 0;
    p.prefix = "Z";
    p.options = 2;
    p.position = 2;
    p.direction = 1;
    EXPECT_EQ(withPath("/a/img.png", p), "imZg.png");
    p.position = -1;
    EXPECT_EQ(withPath("/a/img.png", p), "img.png");
    p.options = 4;
    p.afterText = "-";
    EXPECT_EQ(withPath("/a/a-b", p), "a-Zb");
    p.afterOccurrence = 0;
    EXPECT_EQ(withPath("/a/a-b", p), "a-b");

    // A "/" in the separator, prefix or suffix becomes ":" in the name.
    Path s;
    s.level = 2;
    s.separator = "/";
    s.suffix = "/";
    EXPECT_EQ(withPath(kImage, s), "Pictures:2010:img.jpg");
    // Folder names holding ":" come in as they are.
    EXPECT_EQ(withPath("/x/a:b/f", Path{}), "a:bf");
}

} // namespace
