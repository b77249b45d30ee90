#include "metadatafixtures.h"

#include "platform/imagemetadata.h"
#include "support/mediafixtures.h"

#include <QColor>
#include <QFile>
#include <QImage>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

// Exiv2 0.27 declares its smart pointers as std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace MetadataFixtures {

namespace {

std::string utf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

void addIim(Exiv2::IptcData& iptc, const char* key, const QString& text)
{
    Exiv2::StringValue value(utf8(text));
    iptc.add(Exiv2::IptcKey(key), &value);
}

TagLib::String tagText(const QString& text)
{
    return TagLib::String(text.toUtf8().constData(), TagLib::String::UTF8);
}

} // namespace

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeJpeg(const QString& path)
{
    QImage image(16, 12, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    return image.save(path, "JPEG", 80);
}

bool writeTaggedJpeg(const QString& path, const PhotoTags& tags)
{
    if (!writeJpeg(path))
        return false;
    ImageMetadata::initializeExiv2();
    try {
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        Exiv2::ExifData exif;
        if (!tags.dateTimeOriginal.isEmpty())
            exif["Exif.Photo.DateTimeOriginal"] = utf8(tags.dateTimeOriginal);
        if (!tags.make.isEmpty())
            exif["Exif.Image.Make"] = utf8(tags.make);
        if (!tags.model.isEmpty())
            exif["Exif.Image.Model"] = utf8(tags.model);
        if (!tags.userComment.isEmpty())
            exif["Exif.Photo.UserComment"] = "charset=Ascii " + utf8(tags.userComment);
        Exiv2::IptcData iptc;
        for (const QString& keyword : tags.keywords)
            addIim(iptc, "Iptc.Application2.Keywords", keyword);
        if (!tags.urgency.isEmpty())
            addIim(iptc, "Iptc.Application2.Urgency", tags.urgency);
        if (!tags.city.isEmpty())
            addIim(iptc, "Iptc.Application2.City", tags.city);
        if (!tags.headline.isEmpty())
            addIim(iptc, "Iptc.Application2.Headline", tags.headline);
        for (const QString& code : tags.subjectCodes)
            addIim(iptc, "Iptc.Application2.Subject", code);
        image->setExifData(exif);
        image->setIptcData(iptc);
        if (!tags.xmpPacket.isEmpty()) {
            image->setXmpPacket(tags.xmpPacket.toStdString());
            image->writeXmpFromPacket(true);
        } else {
            Exiv2::XmpData xmp;
            if (!tags.xmpMarked.isEmpty())
                xmp["Xmp.xmpRights.Marked"] = utf8(tags.xmpMarked);
            if (!tags.xmpWebStatement.isEmpty())
                xmp["Xmp.xmpRights.WebStatement"] = utf8(tags.xmpWebStatement);
            if (!tags.xmpDateCreated.isEmpty())
                xmp["Xmp.photoshop.DateCreated"] = utf8(tags.xmpDateCreated);
            if (!tags.xmpDateTimeOriginal.isEmpty())
                xmp["Xmp.exif.DateTimeOriginal"] = utf8(tags.xmpDateTimeOriginal);
            if (!tags.xmpCreateDate.isEmpty())
                xmp["Xmp.xmp.CreateDate"] = utf8(tags.xmpCreateDate);
            image->setXmpData(xmp);
        }
        image->writeMetadata();
        return true;
    } catch (const Exiv2::AnyError&) {
        return false;
    }
}

QByteArray xmpPacket(const QString& marked, const QString& webStatement, const QString& dateCreated)
{
    QByteArray body;
    if (!marked.isEmpty())
        body += "<xmpRights:Marked>" + marked.toUtf8() + "</xmpRights:Marked>\n";
    if (!webStatement.isEmpty())
        body += "<xmpRights:WebStatement>" + webStatement.toUtf8() + "</xmpRights:WebStatement>\n";
    if (!dateCreated.isEmpty())
        body += "<photoshop:DateCreated>" + dateCreated.toUtf8() + "</photoshop:DateCreated>\n";
    return "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
           "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
           "<rdf:Description rdf:about=\"\" xmlns:xmpRights=\"http://ns.adobe.com/xap/1.0/rights/\""
           " xmlns:photoshop=\"http://ns.adobe.com/photoshop/1.0/\">\n"
           + body
           + "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end=\"w\"?>";
}

bool writeTaggedMp3(const QString& path, const AudioTags& tags)
{
    if (!MediaFixtures::writeMp3(path))
        return false;
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    if (!file.isValid())
        return false;
    TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
    TagLib::PropertyMap properties;
    TagLib::StringList artists;
    for (const QString& artist : tags.artists)
        artists.append(tagText(artist));
    if (!artists.isEmpty())
        properties.insert("ARTIST", artists);
    const auto put = [&](const char* key, const QString& value) {
        if (!value.isEmpty())
            properties.insert(key, TagLib::StringList(tagText(value)));
    };
    put("TITLE", tags.title);
    put("ALBUM", tags.album);
    put("COMMENT", tags.comment);
    put("GENRE", tags.genre);
    put("COMPOSER", tags.composer);
    tag->setProperties(properties);
    tag->setYear(tags.year);
    tag->setTrack(tags.track);
    return file.save(TagLib::MPEG::File::ID3v2);
}

} // namespace MetadataFixtures

#pragma GCC diagnostic pop
