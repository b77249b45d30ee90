#include "metadata/audiorenaming.h"

#include "metadatafixtures.h"
#include "support/mediafixtures.h"
#include "metadata/maskcommands.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/previewdriver.h"
#include "support/temptree.h"

#include <gtest/gtest.h>

using namespace MetadataFixtures;

namespace {

AudioTags blue()
{
    AudioTags t;
    t.artists = {QStringLiteral("Ann"), QStringLiteral("Bo")};
    t.title = QStringLiteral("Blue");
    t.track = 3;
    t.year = 2001;
    t.comment = QStringLiteral("live  at   home");
    return t;
}

// A preview pass of the audio tab; the token list is built with the menu commands.
class AudioPreview : public ::testing::Test {
protected:
    void SetUp() override { state.settings.setInteger("selectedTab", 6); }

    QString mp3(const QString& name, const AudioTags& tags = blue())
    {
        const QString path = tree.at(name);
        EXPECT_TRUE(writeTaggedMp3(path, tags)) << name.toStdString();
        add(path);
        return path;
    }

    void add(const QString& path) { state.list.append(*FileSystemItem::initWithPath(path)); }

    void tokens(std::initializer_list<int> menuTags)
    {
        for (int tag : menuTags)
            MaskCommands::id3RenamingMaskActions(state.settings, tag);
    }

    QStringList preview()
    {
        PassProgress progress(nullptr);
        error.clear();
        PreviewDriver::preview(state, state.settings, progress, error);
        QStringList names;
        for (const FileSystemItem& item : state.list.files)
            names << item.newFilename;
        return names;
    }

    TempTree tree;
    ControllerState state;
    QString error;
};

} // namespace

TEST_F(AudioPreview, MaskWithTrackAndTitle)
{
    state.settings.setText("id3RenamingMask", "<TrackNumber> <Title>");
    mp3("x.mp3");
    EXPECT_EQ(preview(), QStringList{"3 Blue.mp3"});
    EXPECT_TRUE(error.isEmpty());
}

TEST_F(AudioPreview, SeparatorModeSkipsMissingAlbumAndJoinsArtists)
{
    state.settings.setText("id3RenamingSeperator", " - ");
    state.settings.setFlag("isID3RenamingSeperator", true);
    tokens({1, 5, 4}); // Artist, Album, Title
    EXPECT_EQ(state.settings.text("id3RenamingMask"), "<Artist> - <Album> - <Title>");
    mp3("x.mp3");
    EXPECT_EQ(preview(), QStringList{"Ann,Bo - Blue.mp3"});
}

TEST_F(AudioPreview, CommentLosesPairsOfBlanks)
{
    state.settings.setText("id3RenamingMask", "<Comments>");
    mp3("x.mp3");
    EXPECT_EQ(preview(), QStringList{"liveat home.mp3"});
}

TEST_F(AudioPreview, ColonReplacementSparesNumbers)
{
    AudioTags t = blue();
    t.title = QStringLiteral("Live: Paris");
    t.genre = QStringLiteral("a:b");
    state.settings.setFlag("isID3RenamingColonReplace", true);
    state.settings.setText("id3RenamingColonReplace", "-");
    state.settings.setText("id3RenamingMask", "<Year>:<TrackNumber> <Title> <Genre>");
    mp3("x.mp3", t);
    // Only the values change; the mask's own text stays.
    EXPECT_EQ(preview(), QStringList{"2001:3 Live- Paris a-b.mp3"});
}

TEST_F(AudioPreview, OtherTypesUntaggedAndDamagedFilesKeepTheirNames)
{
    state.settings.setText("id3RenamingMask", "<Artist><Title>");
    mp3("song.wav"); // tagged, but not an allowed type
    mp3("bare.mp3", AudioTags());
    add(tree.file("text.mp3", "ID3 but not really"));
    add(tree.file("empty.MP3"));
    const QString damaged = mp3("damaged.mp3");
    QByteArray bytes = readBytes(damaged);
    // The first frame's size (bytes 14..17 of the tag) made larger than the whole tag.
    ASSERT_TRUE(bytes.startsWith("ID3"));
    bytes[14] = char(0x7F);
    bytes[15] = char(0x7F);
    ASSERT_TRUE(MediaFixtures::writeBytes(damaged, bytes));
    mp3("good.mp3");
    // TagLib stops at the damaged frame: no values, so the old name stays; the pass goes on.
    EXPECT_EQ(preview(), (QStringList{"No Changes", "No Changes", "No Changes", "No Changes", "No Changes",
                                      "Ann,BoBlue.mp3"}));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST(AudioRenaming, ProposedNameOfAnEarlierStepIsTheStart)
{
    TempTree tree;
    const QString path = tree.at("x.mp3");
    ASSERT_TRUE(writeTaggedMp3(path, AudioTags()));
    FileSystemItem item = *FileSystemItem::initWithPath(path);
    item.newFilename = QStringLiteral("renamed.mp3");
    AudioTagOptions options;
    options.mask = QStringLiteral("<Title>");
    options.extensions = {QStringLiteral(".MP3")};
    EXPECT_TRUE(renameByID3Tags(item, options).ok());
    EXPECT_EQ(item.newFilename, "renamed.mp3");
    // An empty mask leaves the name as it is.
    item.newFilename = QStringLiteral("other.mp3");
    options.mask.clear();
    EXPECT_TRUE(renameByID3Tags(item, options).ok());
    EXPECT_EQ(item.newFilename, "other.mp3");
}

TEST(AudioRenaming, CommentCleanUp)
{
    EXPECT_EQ(cleanedAudioComment("a  b"), "ab");
    EXPECT_EQ(cleanedAudioComment("a   b"), "a b");
    EXPECT_EQ(cleanedAudioComment("a    b"), "ab");
    EXPECT_EQ(cleanedAudioComment(" \n x \t"), "x");
    EXPECT_EQ(cleanedAudioComment(QString(QChar(0xFFFF)) + "x" + QChar(0xFDD0)), "x");
}
