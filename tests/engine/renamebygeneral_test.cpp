#include "engine/renamingmethods.h"
#include "renamingtestsupport.h"

#include <climits>

namespace {

using General = GeneralOptions;

QString general(const QString& name, const General& g, int itemType = 0)
{
    FileSystemItem item = itemNamed(name, itemType);
    const MethodResult result = renameByGeneral(item, g);
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    expectSafeName(item);
    return item.newFilename;
}

General option(GeneralChange change)
{
    General g;
    g.change = change;
    return g;
}

TEST(RenameByGeneralTest, LetterCaseOfNameAndExtension)
{
    General g = option(GeneralChange::NameCase);
    g.nameCase = LetterCase::Capitalized;
    EXPECT_EQ(general("my file.txt", g), "My File.txt");
    EXPECT_EQ(general("\u00E9LAN  vITAL\tx.Txt", g), "\u00C9lan  Vital\tX.Txt");
    g.nameCase = LetterCase::Upper;
    EXPECT_EQ(general("my file.txt", g), "MY FILE.txt");
    g.nameCase = LetterCase::Lower;
    EXPECT_EQ(general("My File.TXT", g), "my file.TXT");
    g.nameCase = LetterCase(9);
    EXPECT_EQ(general("My File.TXT", g), "My File.TXT");

    General e = option(GeneralChange::ExtensionCase);
    e.extensionCase = LetterCase::Upper;
    EXPECT_EQ(general("my file.txt", e), "my file.TXT");
    e.extensionCase = LetterCase::Lower;
    EXPECT_EQ(general("README", e), "README");
}

TEST(RenameByGeneralTest, RemovesOrChangesTheExtension)
{
    EXPECT_EQ(general("archive.tar.gz", option(GeneralChange::RemoveExtension)), "archive.tar");
    EXPECT_EQ(general(".bashrc", option(GeneralChange::RemoveExtension)), ".bashrc");

    General g = option(GeneralChange::ChangeExtension);
    g.newExtension = "jpeg";
    EXPECT_EQ(general("photo.JPG", g), "photo.jpeg");
    EXPECT_EQ(general("README", g), "README.jpeg");
    EXPECT_EQ(general("Old.Stuff", g, 1), "Old.Stuff");
    EXPECT_EQ(general("Link.To", g, 2), "Link.To");
    g.newExtension = "";
    EXPECT_EQ(general("a.txt", g), "a.");
    g.newExtension = "x/y";
    EXPECT_EQ(general("a.txt", g), "a.x:y");
}

TEST(RenameByGeneralTest, ReversesBlanksAndSwaps)
{
    EXPECT_EQ(general("abc.txt", option(GeneralChange::Reverse)), "cba.txt");
    // Reversed by character: the surrogate pair keeps its order, so the name stays valid.
    EXPECT_EQ(general("a" + kEmoji + "b.txt", option(GeneralChange::Reverse)), "b" + kEmoji + "a.txt");
    EXPECT_EQ(general("a b  c.txt", option(GeneralChange::RemoveSpaces)), "abc.txt");

    General s = option(GeneralChange::SwapAroundSeparator);
    s.swapSeparator = "-";
    EXPECT_EQ(general("Red-Blue.txt", s), "Blue-Red.txt");
    s.swapSeparator = ", ";
    EXPECT_EQ(general("Summer, Beach.jpg", s), "Beach, Summer.jpg");
    s.swapSeparator = "";
    EXPECT_EQ(general("Red-Blue.txt", s), "Red-Blue.txt");
    s.swapSeparator = "/";
    EXPECT_EQ(general("Red:Blue.txt", s), "Blue:Red.txt");

    General p = option(GeneralChange::SwapAtPosition);
    p.swapPosition = 3;
    EXPECT_EQ(general("abcdef.txt", p), "defcab.txt");
    // Positions beyond the name, 0 (as unreadable texts are read) or saturated: unchanged.
    for (int position : {7, 0, INT_MAX}) {
        p.swapPosition = position;
        EXPECT_EQ(general("abcdef.txt", p), "abcdef.txt") << position;
    }
}

TEST(RenameByGeneralTest, NegativeSwapPositionFailsAndKeepsTheName)
{
    General p = option(GeneralChange::SwapAtPosition);
    p.swapPosition = -2;
    FileSystemItem item = itemNamed("abcdef.txt");
    item.newFilename = "earlier.txt";
    QString passError;
    EXPECT_FALSE(shareWithPass(renameByGeneral(item, p), passError));
    EXPECT_FALSE(passError.isEmpty());
    EXPECT_EQ(item.newFilename, "earlier.txt");

    // The pass shares its error text: a later call that works still reports false.
    FileSystemItem next = itemNamed("x.txt");
    const QString firstError = passError;
    EXPECT_FALSE(shareWithPass(renameByGeneral(next, option(GeneralChange::Reverse)), passError));
    EXPECT_EQ(passError, firstError);
}

TEST(RenameByGeneralTest, CutsAfterOrFromAText)
{
    General after = option(GeneralChange::CutAfterText);
    after.cutAfterText = "_";
    after.cutAfterOccurrence = 2;
    EXPECT_EQ(general("a_b_c_d.txt", after), "a_b_.txt");
    General from = option(GeneralChange::CutFromText);
    from.cutFromText = "_";
    from.cutFromOccurrence = 2;
    EXPECT_EQ(general("a_b_c_d.txt", from), "a_b.txt");
    // The occurrence starting the name: what follows it remains.
    from.cutFromOccurrence = 1;
    EXPECT_EQ(general("_abc.txt", from), "abc.txt");
    // Missing occurrences, occurrences below 1 (unreadable texts read as 0) or saturated: unchanged.
    for (int occurrence : {5, 0, -1, INT_MAX}) {
        from.cutFromOccurrence = occurrence;
        EXPECT_EQ(general("a_b_c_d.txt", from), "a_b_c_d.txt") << occurrence;
    }
    from.cutFromOccurrence = 1;
    from.cutFromText = "";
    EXPECT_EQ(general("a_b.txt", from), "a_b.txt");
    // Exact matching.
    after.cutAfterText = "B";
    after.cutAfterOccurrence = 1;
    EXPECT_EQ(general("abab.txt", after), "abab.txt");
}

TEST(RenameByGeneralTest, FilenameMask)
{
    General m = option(GeneralChange::FilenameMask);
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
    ASSERT_TRUE(renameByGeneral(item, m).ok());
    EXPECT_EQ(item.newFilename, "0007.png");
}

TEST(RenameByGeneralTest, OtherFileSystemCompatible)
{
    General w = option(GeneralChange::OtherFileSystems);
    w.compatibleReplacement = "_";
    EXPECT_EQ(general("a:b*c?.txt", w), "a_b_c_.txt");
    EXPECT_EQ(general("q\"<>|\\.doc", w), "q_____.doc");
    w.compatibleReplacement = "";
    EXPECT_EQ(general("a:b*c?.txt", w), "abc.txt");
    // A replacement holding a later character of the list is replaced again; a "/" never
    // ends up in the name.
    w.compatibleReplacement = ":";
    EXPECT_EQ(general("a*b.txt", w), "a:b.txt");
    w.compatibleReplacement = "/";
    EXPECT_EQ(general("a*b.txt", w), "a:b.txt");
    w.compatibleReplacement = "%1";
    EXPECT_EQ(general("a?b.txt", w), "a%1b.txt");
}

TEST(RenameByGeneralTest, UnknownOptionLeavesTheName)
{
    EXPECT_EQ(general("a b.txt", option(GeneralChange(13))), "a b.txt");
    EXPECT_EQ(general("a b.txt", option(GeneralChange(-1))), "a b.txt");
}

} // namespace
