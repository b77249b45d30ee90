#include "platform/audiometadata.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

#include <taglib/fileref.h>
#include <taglib/id3v2tag.h>
#include <taglib/tdebuglistener.h>
#include <taglib/tfile.h>
#include <taglib/tfilestream.h>
#include <taglib/tpropertymap.h>

#include <exception>
#include <memory>
#include <mutex>

namespace {

QString toQString(const TagLib::String& text)
{
    return QString::fromUtf8(text.toCString(true));
}

class LogListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String& message) override
    {
        qDebug().noquote() << QStringLiteral("TagLib : %1").arg(toQString(message).trimmed());
    }
};

void routeTagLibDebugOutput()
{
    static LogListener listener;
    static std::once_flag once;
    std::call_once(once, [] { TagLib::setDebugListener(&listener); });
}

// A file of a format TagLib does not know (raw ADTS AAC) that starts with an ID3v2 tag.
class LeadingId3v2File : public TagLib::File {
public:
    explicit LeadingId3v2File(TagLib::IOStream* stream)
        : TagLib::File(stream)
    {
        if (!isOpen())
            return;
        seek(0);
        if (readBlock(3) == TagLib::ByteVector("ID3", 3))
            m_tag = std::make_unique<TagLib::ID3v2::Tag>(this, 0);
    }

    TagLib::ID3v2::Tag* tag() const override { return m_tag.get(); }
    TagLib::AudioProperties* audioProperties() const override { return nullptr; }
    bool save() override { return false; }

private:
    std::unique_ptr<TagLib::ID3v2::Tag> m_tag;
};

QStringList texts(const TagLib::PropertyMap& properties, const char* key)
{
    QStringList result;
    const auto it = properties.find(key);
    if (it == properties.end())
        return result;
    for (const TagLib::String& value : it->second) {
        const QString text = toQString(value);
        if (!text.isEmpty())
            result << text;
    }
    return result;
}

QString joined(const TagLib::PropertyMap& properties, const char* key)
{
    return texts(properties, key).join(QLatin1Char(','));
}

AudioAttributes attributesOf(const TagLib::Tag& tag, const TagLib::PropertyMap& properties)
{
    AudioAttributes attributes;
    attributes.valid = true;
    attributes.authors = texts(properties, "ARTIST");
    attributes.musicalGenre = joined(properties, "GENRE");
    attributes.title = joined(properties, "TITLE");
    attributes.album = joined(properties, "ALBUM");
    attributes.comment = joined(properties, "COMMENT");
    attributes.composer = joined(properties, "COMPOSER");
    attributes.recordingYear = int(tag.year());
    attributes.audioTrackNumber = int(tag.track());
    return attributes;
}

AudioAttributes readTags(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return {};
    {
        const TagLib::FileRef ref(&stream, false);
        if (!ref.isNull() && ref.tag())
            return attributesOf(*ref.tag(), ref.file()->properties());
    }
    const LeadingId3v2File file(&stream);
    if (const TagLib::ID3v2::Tag* tag = file.tag())
        return attributesOf(*tag, tag->properties());
    return {};
}

} // namespace

namespace AudioMetadata {

AudioAttributes read(const QString& path)
{
    routeTagLibDebugOutput();
    // A FIFO or device with a music extension would block or never end.
    if (!QFileInfo(path).isFile())
        return {};
    try {
        return readTags(path);
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error in AudioMetadata::read : %1")
                                    .arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        qWarning().noquote() << QStringLiteral("Error in AudioMetadata::read : %1")
                                    .arg(QStringLiteral("unknown exception"));
    }
    return {};
}

} // namespace AudioMetadata
