#include "platform/audiometadata.h"

#include "support/mediafixtures.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

#include <sys/stat.h>

using namespace MediaFixtures;

namespace {

TagLib::StringList utf8List(std::initializer_list<const char*> texts)
{
    TagLib::StringList list;
    for (const char* text : texts)
        list.append(TagLib::String(text, TagLib::String::UTF8));
    return list;
}

// The tags every format below is given.
TagLib::PropertyMap sampleProperties()
{
    TagLib::PropertyMap properties;
    properties["ARTIST"] = utf8List({"Ann", "Bob"});
    properties["TITLE"] = utf8List({"Blue: Live"});
    properties["ALBUM"] = utf8List({"Colours"});
    properties["COMMENT"] = utf8List({"Recorded  at home"});
    properties["COMPOSER"] = utf8List({"Chl\xc3\xb6\x65"});
    properties["GENRE"] = utf8List({"Jazz"});
    return properties;
}

// setProperties is not virtual in TagLib 1.13: it must be called on the concrete type.
template <typename Target>
void applySample(Target& target, TagLib::Tag& tag)
{
    target.setProperties(sampleProperties());
    tag.setYear(1999);
    tag.setTrack(3);
}

void expectSample(const AudioAttributes& a)
{
    EXPECT_TRUE(a.valid);
    EXPECT_EQ(a.authors, QStringList({"Ann", "Bob"}));
    EXPECT_EQ(a.recordingYear, 1999);
    EXPECT_EQ(a.audioTrackNumber, 3);
    EXPECT_EQ(a.title, "Blue: Live");
    EXPECT_EQ(a.album, "Colours");
    EXPECT_EQ(a.comment, "Recorded  at home");
    EXPECT_EQ(a.composer, QString::fromUtf8("Chl\u00f6e"));
    EXPECT_EQ(a.musicalGenre, "Jazz");
}

void expectEmpty(const AudioAttributes& a)
{
    EXPECT_TRUE(a.authors.isEmpty());
    EXPECT_EQ(a.recordingYear, 0);
    EXPECT_EQ(a.audioTrackNumber, 0);
    EXPECT_TRUE(a.title.isEmpty());
    EXPECT_TRUE(a.album.isEmpty());
    EXPECT_TRUE(a.comment.isEmpty());
    EXPECT_TRUE(a.composer.isEmpty());
    EXPECT_TRUE(a.musicalGenre.isEmpty());
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray renderedSampleId3v2()
{
    TagLib::ID3v2::Tag tag;
    applySample(tag, tag);
    const TagLib::ByteVector data = tag.render();
    return QByteArray(data.data(), int(data.size()));
}

bool writeTaggedMp3(const QString& path)
{
    if (!writeMp3(path))
        return false;
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    applySample(file, *file.ID3v2Tag(true));
    return file.save(TagLib::MPEG::File::ID3v2);
}

class AudioMetadataTest : public ::testing::Test {
protected:
    QString file(const QString& name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

} // namespace

TEST_F(AudioMetadataTest, Mp3WithId3v2)
{
    const QString path = file("song.mp3");
    ASSERT_TRUE(writeTaggedMp3(path));
    const QByteArray before = readAll(path);
    expectSample(AudioMetadata::read(path));
    EXPECT_EQ(readAll(path), before); // reading never writes
}

TEST_F(AudioMetadataTest, M4aWithMp4Tags)
{
    const QString path = file("song.m4a");
    ASSERT_TRUE(writeM4a(path));
    {
        TagLib::MP4::File mp4(QFile::encodeName(path).constData(), false);
        ASSERT_TRUE(mp4.isValid());
        applySample(mp4, *mp4.tag());
        ASSERT_TRUE(mp4.save());
    }
    expectSample(AudioMetadata::read(path));
}

TEST_F(AudioMetadataTest, AdtsAacWithLeadingId3v2)
{
    const QString path = file("song.aac");
    ASSERT_TRUE(writeAdts(path, renderedSampleId3v2()));
    expectSample(AudioMetadata::read(path));

    const QString bare = file("bare.aac");
    ASSERT_TRUE(writeAdts(bare, {}));
    const AudioAttributes none = AudioMetadata::read(bare);
    EXPECT_FALSE(none.valid);
    expectEmpty(none);
}

TEST_F(AudioMetadataTest, UntaggedAndMultiValuedFiles)
{
    const QString plain = file("plain.mp3");
    ASSERT_TRUE(writeMp3(plain));
    const AudioAttributes untagged = AudioMetadata::read(plain);
    EXPECT_TRUE(untagged.valid);
    expectEmpty(untagged);

    const QString multi = file("multi.mp3");
    ASSERT_TRUE(writeMp3(multi));
    {
        TagLib::MPEG::File mp3(QFile::encodeName(multi).constData(), false);
        TagLib::PropertyMap properties;
        properties["GENRE"] = utf8List({"Jazz", "Blues"});
        properties["ARTIST"] = utf8List({"Solo"});
        mp3.setProperties(properties);
        ASSERT_TRUE(mp3.save(TagLib::MPEG::File::ID3v2));
    }
    const AudioAttributes a = AudioMetadata::read(multi);
    EXPECT_EQ(a.authors, QStringList({"Solo"}));
    EXPECT_EQ(a.musicalGenre, "Jazz,Blues");
    EXPECT_EQ(a.recordingYear, 0);
}

TEST_F(AudioMetadataTest, BrokenFilesGiveEmptyValuesAndStayOffTheTerminal)
{
    // The first frame of the tag claims far more bytes than the tag holds.
    ASSERT_TRUE(writeTaggedMp3(file("frame.mp3")));
    QByteArray bytes = readAll(file("frame.mp3"));
    ASSERT_TRUE(bytes.startsWith("ID3"));
    bytes.replace(14, 4, QByteArray("\x7f\x7f\x7f\x7f", 4));
    ASSERT_TRUE(writeBytes(file("frame.mp3"), bytes));
    ASSERT_TRUE(writeBytes(file("text.mp3"), "This is not music.\n"));
    ASSERT_TRUE(writeBytes(file("empty.m4a"), {}));
    ASSERT_TRUE(writeBytes(file("cut.m4a"), QByteArray("\0\0\0\x18" "ftypM4A ", 12)));
    // A tag cut inside its first frame.
    ASSERT_TRUE(writeAdts(file("cut.aac"), renderedSampleId3v2().left(16), 2));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mp3"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file("pipe.mp3")).constData(), 0600), 0);

    LogCapture log;
    StderrCapture err;
    for (const char* name : {"frame.mp3", "text.mp3", "empty.m4a", "cut.m4a",
                             "cut.aac", "missing.mp3", "folder.mp3", "pipe.mp3"}) {
        SCOPED_TRACE(name);
        expectEmpty(AudioMetadata::read(file(name)));
    }
    EXPECT_EQ(err.finish().toStdString(), "");
}
