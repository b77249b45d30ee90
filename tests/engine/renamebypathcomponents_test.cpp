#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"

#include <climits>

namespace {

using Path = PathComponentsOptions;

QString withPath(const QString& path, const Path& p)
{
    FileSystemItem item = FileSystemItem::withKind(path, ItemType::File);
    const MethodResult result = renameByPathComponents(item, p);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
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
    three.levels = 3;
    three.separator = "-";
    three.prefix = "[";
    three.suffix = "]";
    three.where.placement = Placement::AtEnd;
    EXPECT_EQ(withPath(kImage, three), "img[Disk-Pictures-2010].jpg");
}

TEST(RenameByPathComponentsTest, LevelsBeyondTheFoldersTakeThemAll)
{
    Path p;
    p.separator = "-";
    for (int level : {4, 99, INT_MAX, -1, INT_MIN}) {
        p.levels = level;
        EXPECT_EQ(withPath(kImage, p), "Volumes-Disk-Pictures-2010img.jpg") << level;
    }
    p.levels = 0;
    p.prefix = "x";
    EXPECT_EQ(withPath(kImage, p), "ximg.jpg");
    // Directly in the root folder there is no folder name.
    p.levels = 5;
    p.prefix = "";
    EXPECT_EQ(withPath("/img.jpg", p), "img.jpg");
}

TEST(RenameByPathComponentsTest, PlacementAndSlashes)
{
    Path p;
    p.levels = 0;
    p.prefix = "Z";
    p.where.placement = Placement::AtPosition;
    p.where.position = 2;
    p.where.positionFrom = CountFrom::End;
    EXPECT_EQ(withPath("/a/img.png", p), "imZg.png");
    p.where.position = -1;
    EXPECT_EQ(withPath("/a/img.png", p), "img.png");
    p.where.placement = Placement::AfterText;
    p.where.afterText = "-";
    EXPECT_EQ(withPath("/a/a-b", p), "a-Zb");
    p.where.afterOccurrence = 0;
    EXPECT_EQ(withPath("/a/a-b", p), "a-b");

    // A "/" in the separator, prefix or suffix becomes ":" in the name.
    Path s;
    s.levels = 2;
    s.separator = "/";
    s.suffix = "/";
    EXPECT_EQ(withPath(kImage, s), "Pictures:2010:img.jpg");
    // Folder names holding ":" come in as they are.
    EXPECT_EQ(withPath("/x/a:b/f", Path{}), "a:bf");
}

} // namespace
