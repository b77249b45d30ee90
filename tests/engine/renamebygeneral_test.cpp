#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"

namespace {

struct General {
    int option = 0;
    int fileNameCase = 1;
    int extensionCase = 1;
    QString changeExtension;
    QString swapSeperator;
    QString swapPosition = "1";
    QString removeAfterString;
    QString removeFromString;
    QString removeAfterOccurrence = "1";
    QString removeFromOccurrence = "1";
    QString windowsCompatible;
    QString filenameMask;
};

bool run(FileSystemItem& item, const General& g, QString& error)
{
    return renameByGeneral(item, g.option, g.fileNameCase, g.extensionCase, g.changeExtension, g.swapSeperator,
                           g.swapPosition, g.removeAfterString, g.removeFromString, g.removeAfterOccurrence,
                           g.removeFromOccurrence, g.windowsCompatible, g.filenameMask, error);
}

QString general(const QString& name, const General& g, int itemType = 0)
{
    FileSystemItem item = itemNamed(name, itemType);
    QString error;
    EXPECT_TRUE(run(item, g, error)) << error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

General option(int index)
{
    General g;
    g.option = index;
    return g;
}

TEST(RenameByGeneralTest, LetterCaseOfNameAndExtension)
{
    General g = option(0);
    g.fileNameCase = 3;
    EXPECT_EQ(general("my file.txt", g), "My File.txt");
    EXPECT_EQ(general("\u00E9LAN  vITAL\tx.Txt", g), "\u00C9lan  Vital\tX.Txt");
    g.fileNameCase = 1;
    EXPECT_EQ(general("my file.txt", g), "MY FILE.txt");
    g.fileNameCase = 2;
    EXPECT_EQ(general("My File.TXT", g), "my file.TXT");
    g.fileNameCase = 9;
    EXPECT_EQ(general("My File.TXT", g), "My File.TXT");

    General e = option(1);
    e.extensionCase = 1;
    EXPECT_EQ(general("my file.txt", e), "my file.TXT");
    e.extensionCase = 2;
    EXPECT_EQ(general("README", e), "README");
}

TEST(RenameByGeneralTest, RemovesOrChangesTheExtension)
{
    EXPECT_EQ(general("archive.tar.gz", option(2)), "archive.tar");
    EXPECT_EQ(general(".bashrc", option(2)), ".bashrc");

    General g = option(3);
    g.changeExtension = "jpeg";
    EXPECT_EQ(general("photo.JPG", g), "photo.jpeg");
    EXPECT_EQ(general("README", g), "README.jpeg");
    EXPECT_EQ(general("Old.Stuff", g, 1), "Old.Stuff");
    EXPECT_EQ(general("Link.To", g, 2), "Link.To");
    g.changeExtension = "";
    EXPECT_EQ(general("a.txt", g), "a.");
    g.changeExtension = "x/y";
    EXPECT_EQ(general("a.txt", g), "a.x:y");
}

TEST(RenameByGeneralTest, ReversesBlanksAndSwaps)
{
    EXPECT_EQ(general("abc.txt", option(4)), "cba.txt");
    // Reversed by character: the surrogate pair keeps its order, so the name stays valid.
    EXPECT_EQ(general("a" + kEmoji + "b.txt", option(4)), "b" + kEmoji + "a.txt");
    EXPECT_EQ(general("a b  c.txt", option(5)), "abc.txt");

    General s = option(6);
    s.swapSeperator = "-";
    EXPECT_EQ(general("Red-Blue.txt", s), "Blue-Red.txt");
    s.swapSeperator = ", ";
    EXPECT_EQ(general("Summer, Beach.jpg", s), "Beach, Summer.jpg");
    s.swapSeperator = "";
    EXPECT_EQ(general("Red-Blue.txt", s), "Red-Blue.txt");
    s.swapSeperator = "/";
    EXPECT_EQ(general("Red:Blue.txt", s), "Blue:Red.txt");

    General p = option(7);
    p.swapPosition = "3";
    EXPECT_EQ(general("abcdef.txt", p), "defcab.txt");
    for (const char* position : {"7", "0", "", "x", "99999999999999"}) {
        p.swapPosition = position;
        EXPECT_EQ(general("abcdef.txt", p), "abcdef.txt") << position;
    }
}

TEST(RenameByGeneralTest, NegativeSwapPositionFailsAndKeepsTheName)
{
    General p = option(7);
    p.swapPosition = "-2";
    FileSystemItem item = itemNamed("abcdef.txt");
    item.newFilename = "earlier.txt";
    QString error;
    EXPECT_FALSE(run(item, p, error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(item.newFilename, "earlier.txt");

    // The pass shares its error text: a later call that works still reports false.
    FileSystemItem next = itemNamed("x.txt");
    EXPECT_FALSE(run(next, option(4), error));
}

TEST(RenameByGeneralTest, CutsAfterOrFromAText)
{
    General after = option(8);
    after.removeAfterString = "_";
    after.removeAfterOccurrence = "2";
    EXPECT_EQ(general("a_b_c_d.txt", after), "a_b_.txt");
    General from = option(9);
    from.removeFromString = "_";
    from.removeFromOccurrence = "2";
    EXPECT_EQ(general("a_b_c_d.txt", from), "a_b.txt");
    // The occurrence starting the name: what follows it remains.
    from.removeFromOccurrence = "1";
    EXPECT_EQ(general("_abc.txt", from), "abc.txt");
    // Missing occurrences, occurrences below 1 or unreadable: unchanged.
    for (const char* occurrence : {"5", "0", "-1", "", "two", "99999999999999"}) {
        from.removeFromOccurrence = occurrence;
        EXPECT_EQ(general("a_b_c_d.txt", from), "a_b_c_d.txt") << occurrence;
    }
    from.removeFromOccurrence = "1";
    from.removeFromString = "";
    EXPECT_EQ(general("a_b.txt", from), "a_b.txt");
    // Exact matching.
    after.removeAfterString = "B";
    after.removeAfterOccurrence = "1";
    EXPECT_EQ(general("abab.txt", after), "abab.txt");
}

TEST(RenameByGeneralTest, FilenameMask)
{
    General m = option(10);
    m.filenameMask = "00000";
    EXPECT_EQ(general("12.txt", m), "00012.txt");
    m.filenameMask = "xxx";
    EXPECT_EQ(general("abcdefg.txt", m), "efg.txt");
    m.filenameMask = "";
    EXPECT_EQ(general("abc.txt", m), "abc.txt");
    m.filenameMask = "a/b/c/d";
    EXPECT_EQ(general("x", m), "a:b:c:x");

    // It acts on the base of an earlier proposed name.
    m.filenameMask = "0000";
    FileSystemItem item = itemNamed("photo.jpg");
    item.newFilename = "7.png";
    QString error;
    ASSERT_TRUE(run(item, m, error));
    EXPECT_EQ(item.newFilename, "0007.png");
}

TEST(RenameByGeneralTest, OtherFileSystemCompatible)
{
    General w = option(11);
    w.windowsCompatible = "_";
    EXPECT_EQ(general("a:b*c?.txt", w), "a_b_c_.txt");
    EXPECT_EQ(general("q\"<>|\\.doc", w), "q_____.doc");
    w.windowsCompatible = "";
    EXPECT_EQ(general("a:b*c?.txt", w), "abc.txt");
    // A replacement holding a later character of the list is replaced again; a "/" never
    // ends up in the name.
    w.windowsCompatible = ":";
    EXPECT_EQ(general("a*b.txt", w), "a:b.txt");
    w.windowsCompatible = "/";
    EXPECT_EQ(general("a*b.txt", w), "a:b.txt");
    w.windowsCompatible = "%1";
    EXPECT_EQ(general("a?b.txt", w), "a%1b.txt");
}

TEST(RenameByGeneralTest, UnknownOptionLeavesTheName)
{
    EXPECT_EQ(general("a b.txt", option(12)), "a b.txt");
    EXPECT_EQ(general("a b.txt", option(-1)), "a b.txt");
}

} // namespace
