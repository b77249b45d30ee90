#include "platform/readers/exiv2reader.h"

#include "platform/imagemetadata.h"
#include "platform/readers/heifitems.h"

#include <QDebug>
#include <QHash>
#include <QStringDecoder>
#include <QStringList>

#include <exception>
#include <limits>
#include <mutex>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

// Exiv2 0.27 declares its smart pointers as std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>

namespace {

// Exif and IIM texts carry no reliable encoding: UTF-8 when the bytes are valid UTF-8,
// otherwise Latin-1 (the usual encoding of older IIM writers).
QString decodeText(const std::string& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (utf8.hasError())
        text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    while (text.endsWith(QChar(0)))
        text.chop(1);
    return text;
}

void logFromExiv2(int level, const char* message)
{
    const QString text = QString::fromLocal8Bit(message).trimmed();
    if (level >= Exiv2::LogMsg::error)
        qWarning().noquote() << QStringLiteral("Exiv2 : %1").arg(text);
    else
        qDebug().noquote() << QStringLiteral("Exiv2 : %1").arg(text);
}

std::recursive_mutex& xmpMutex()
{
    static std::recursive_mutex mutex;
    return mutex;
}

void lockXmp(void*, bool lock)
{
    if (lock)
        xmpMutex().lock();
    else
        xmpMutex().unlock();
}

// ---- IPTC dictionary -----------------------------------------------------------------

enum class Kind { Text, List };

struct IptcField {
    const char* key;
    const char* iim; // nullptr: no IIM dataset
    const char* xmp; // nullptr: no XMP property
    Kind kind;
};

const IptcField kIptcFields[] = {
    {"ObjectName", "Iptc.Application2.ObjectName", "Xmp.dc.title", Kind::Text},
    {"Byline", "Iptc.Application2.Byline", "Xmp.dc.creator", Kind::List},
    {"BylineTitle", "Iptc.Application2.BylineTitle", "Xmp.photoshop.AuthorsPosition", Kind::Text},
    {"Caption/Abstract", "Iptc.Application2.Caption", "Xmp.dc.description", Kind::Text},
    {"Writer/Editor", "Iptc.Application2.Writer", "Xmp.photoshop.CaptionWriter", Kind::Text},
    {"CopyrightNotice", "Iptc.Application2.Copyright", "Xmp.dc.rights", Kind::Text},
    {"Urgency", "Iptc.Application2.Urgency", "Xmp.photoshop.Urgency", Kind::Text},
    {"Keywords", "Iptc.Application2.Keywords", "Xmp.dc.subject", Kind::List},
    {"SupplementalCategory", "Iptc.Application2.SuppCategory", "Xmp.photoshop.SupplementalCategories", Kind::List},
    {"City", "Iptc.Application2.City", "Xmp.photoshop.City", Kind::Text},
    {"SubLocation", "Iptc.Application2.SubLocation", "Xmp.iptc.Location", Kind::Text},
    {"Province/State", "Iptc.Application2.ProvinceState", "Xmp.photoshop.State", Kind::Text},
    {"Country/PrimaryLocationName", "Iptc.Application2.CountryName", "Xmp.photoshop.Country", Kind::Text},
    {"Country/PrimaryLocationCode", "Iptc.Application2.CountryCode", "Xmp.iptc.CountryCode", Kind::Text},
    {"Credit", "Iptc.Application2.Credit", "Xmp.photoshop.Credit", Kind::Text},
    {"Source", "Iptc.Application2.Source", "Xmp.photoshop.Source", Kind::Text},
    {"Headline", "Iptc.Application2.Headline", "Xmp.photoshop.Headline", Kind::Text},
    {"SpecialInstructions", "Iptc.Application2.SpecialInstructions", "Xmp.photoshop.Instructions", Kind::Text},
    {"OriginalTransmissionReference", "Iptc.Application2.TransmissionReference", "Xmp.photoshop.TransmissionReference", Kind::Text},
    {"UsageTerms", nullptr, "Xmp.xmpRights.UsageTerms", Kind::Text},
    {"ObjectAttributeReference", "Iptc.Application2.ObjectAttribute", "Xmp.iptc.IntellectualGenre", Kind::Text},
    {"Scene", nullptr, "Xmp.iptc.Scene", Kind::List},
    {"SubjectReference", "Iptc.Application2.Subject", "Xmp.iptc.SubjectCode", Kind::List},
    {"TimeCreated", "Iptc.Application2.TimeCreated", nullptr, Kind::Text},
};

const char* const kContactFields[] = {"CiAdrExtadr", "CiAdrCity",  "CiAdrRegion",  "CiAdrPcode",
                                      "CiAdrCtry",   "CiTelWork", "CiEmailWork", "CiUrlWork"};

QStringList withoutEmpty(QStringList texts)
{
    texts.removeIf([](const QString& t) { return t.isEmpty(); });
    return texts;
}

// The texts of one XMP value: every element of an array, the default (else the first)
// alternative of a language alternative, the text of a simple value.
QStringList xmpTexts(const Exiv2::Value& value)
{
    QStringList texts;
    switch (value.typeId()) {
    case Exiv2::langAlt: {
        const auto& alt = static_cast<const Exiv2::LangAltValue&>(value);
        const auto found = alt.value_.find("x-default");
        if (found != alt.value_.end())
            texts << QString::fromStdString(found->second);
        else if (!alt.value_.empty())
            texts << QString::fromStdString(alt.value_.begin()->second);
        break;
    }
    case Exiv2::xmpBag:
    case Exiv2::xmpSeq:
    case Exiv2::xmpAlt:
        for (long i = 0; i < value.count(); ++i)
            texts << QString::fromStdString(value.toString(i));
        break;
    default:
        texts << QString::fromStdString(value.toString());
        break;
    }
    return withoutEmpty(texts);
}

QStringList xmpTexts(const Exiv2::XmpData& xmp, const std::string& key)
{
    // Most photos carry no XMP: no key to parse then.
    if (xmp.empty())
        return {};
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    return it == xmp.end() ? QStringList() : xmpTexts(it->value());
}

void putValue(QVariantMap& into, const char* key, const QStringList& texts, Kind kind)
{
    if (texts.isEmpty())
        return;
    if (kind == Kind::List)
        into.insert(QString::fromLatin1(key), texts);
    else
        into.insert(QString::fromLatin1(key), texts.first());
}

QVariantMap iptcDictionary(const Exiv2::IptcData& iim, const Exiv2::XmpData& xmp)
{
    // Every dataset in file order; repeatable ones appear once per value.
    QHash<QString, QStringList> datasets;
    for (const auto& datum : iim)
        datasets[QString::fromStdString(datum.key())] << decodeText(datum.toString());

    QVariantMap iptc;
    for (const IptcField& field : kIptcFields) {
        QStringList texts;
        if (field.iim)
            texts = withoutEmpty(datasets.value(QString::fromLatin1(field.iim)));
        if (texts.isEmpty() && field.xmp)
            texts = xmpTexts(xmp, field.xmp);
        putValue(iptc, field.key, texts, field.kind);
    }

    QVariantMap contact;
    for (const char* name : kContactFields) {
        const QStringList texts =
            xmpTexts(xmp, std::string("Xmp.iptc.CreatorContactInfo/Iptc4xmpCore:") + name);
        putValue(contact, name, texts, Kind::Text);
    }
    if (!contact.isEmpty())
        iptc.insert(QStringLiteral("CreatorContactInfo"), contact);
    return iptc;
}

// ---- Exif and TIFF dictionaries ------------------------------------------------------

// The Exif keys read here, each parsed once: parsing a key costs more than finding it.
struct ExifKeys {
    Exiv2::ExifKey dateTimeOriginal{"Exif.Photo.DateTimeOriginal"};
    Exiv2::ExifKey userComment{"Exif.Photo.UserComment"};
    Exiv2::ExifKey pixelXDimension{"Exif.Photo.PixelXDimension"};
    Exiv2::ExifKey pixelYDimension{"Exif.Photo.PixelYDimension"};
    Exiv2::ExifKey make{"Exif.Image.Make"};
    Exiv2::ExifKey model{"Exif.Image.Model"};
    // Panasonic's raw files (RW2) keep them in an IFD of their own.
    Exiv2::ExifKey panasonicMake{"Exif.PanasonicRaw.Make"};
    Exiv2::ExifKey panasonicModel{"Exif.PanasonicRaw.Model"};
};

const ExifKeys& exifKeys()
{
    static const ExifKeys keys;
    return keys;
}

const Exiv2::Exifdatum* findExif(const Exiv2::ExifData& exif, const Exiv2::ExifKey& key)
{
    const auto it = exif.findKey(key);
    return it == exif.end() ? nullptr : &*it;
}

// The text of a value as Exifdatum::toString writes it. An ASCII value (the usual type of
// the capture date, the make and the model) is its bytes up to the first NUL, taken here
// without the string stream that toString makes for every value (about 7,500 instructions
// of a photo's 62,000 when its date, make and model are read).
std::string exifText(const Exiv2::Exifdatum& datum)
{
    if (datum.typeId() == Exiv2::asciiString) {
        if (const auto* ascii = dynamic_cast<const Exiv2::AsciiValue*>(&datum.value())) {
            const std::string& bytes = ascii->value_;
            return bytes.substr(0, bytes.find('\0'));
        }
    }
    return datum.toString();
}

void putExifText(QVariantMap& into, const Exiv2::ExifData& exif, const Exiv2::ExifKey& key, const char* name)
{
    const Exiv2::Exifdatum* datum = findExif(exif, key);
    if (!datum)
        return;
    const QString text = decodeText(exifText(*datum));
    if (!text.isEmpty())
        into.insert(QString::fromLatin1(name), text);
}

void putExifNumber(QVariantMap& into, const Exiv2::ExifData& exif, const Exiv2::ExifKey& key, const char* name)
{
    const Exiv2::Exifdatum* datum = findExif(exif, key);
    if (!datum || datum->count() < 1)
        return;
    const long number = datum->value().toLong(0);
    if (datum->value().ok())
        into.insert(QString::fromLatin1(name), qlonglong(number));
}

void putUserComment(QVariantMap& into, const Exiv2::ExifData& exif)
{
    const Exiv2::Exifdatum* datum = findExif(exif, exifKeys().userComment);
    if (!datum)
        return;
    // The comment without the 8-byte character set prefix, UCS-2 converted to UTF-8.
    const auto* comment = dynamic_cast<const Exiv2::CommentValue*>(&datum->value());
    const QString text = comment ? decodeText(comment->comment()) : decodeText(datum->toString());
    if (!text.isEmpty())
        into.insert(QStringLiteral("UserComment"), text);
}

QVariantMap exifDictionary(const Exiv2::ExifData& exif, unsigned wanted)
{
    QVariantMap map;
    if (wanted & ImageMetadata::CaptureDate)
        putExifText(map, exif, exifKeys().dateTimeOriginal, "DateTimeOriginal");
    if (wanted & ImageMetadata::Comment)
        putUserComment(map, exif);
    if (wanted & ImageMetadata::Dimensions) {
        putExifNumber(map, exif, exifKeys().pixelXDimension, "PixelXDimension");
        putExifNumber(map, exif, exifKeys().pixelYDimension, "PixelYDimension");
    }
    return map;
}

QVariantMap tiffDictionary(const Exiv2::ExifData& exif)
{
    QVariantMap map;
    putExifText(map, exif, exifKeys().make, "Make");
    putExifText(map, exif, exifKeys().model, "Model");
    if (!map.contains(QStringLiteral("Make")))
        putExifText(map, exif, exifKeys().panasonicMake, "Make");
    if (!map.contains(QStringLiteral("Model")))
        putExifText(map, exif, exifKeys().panasonicModel, "Model");
    return map;
}

// The capture dates an XMP packet may hold, as written.
QVariantMap xmpDatesDictionary(const Exiv2::XmpData& xmp)
{
    QVariantMap map;
    putValue(map, "DateTimeOriginal", xmpTexts(xmp, "Xmp.exif.DateTimeOriginal"), Kind::Text);
    putValue(map, "CreateDate", xmpTexts(xmp, "Xmp.xmp.CreateDate"), Kind::Text);
    return map;
}

// The bytes of a regular file for Exiv2, with few system calls: Exiv2's own file reader
// opens a file three times to read its head, and every system call costs more than the
// parsing of a small JPEG. A small file comes already read whole, in one read by the
// caller; a larger one is mapped (Exiv2 reads only the parts it needs, and TIFF-based
// formats map the file anyway).
// `readable` is false when the file could not be read this way: the caller then lets
// Exiv2 open it, so that its errors name the file as before.
class FileBytes {
public:
    FileBytes(int fd, uint64_t size, const QByteArray& whole)
    {
        if (size == 0 || size > uint64_t(std::numeric_limits<long>::max()))
            return;
        if (size <= Exiv2Reader::kReadWhole) {
            if (uint64_t(whole.size()) != size)
                return; // read short: the file changed under us
            buffer_ = whole;
            data_ = reinterpret_cast<const Exiv2::byte*>(buffer_.constData());
        } else if (void* map = ::mmap(nullptr, size_t(size), PROT_READ, MAP_PRIVATE, fd, 0); map != MAP_FAILED) {
            map_ = map;
            mapSize_ = size_t(size);
            data_ = static_cast<const Exiv2::byte*>(map);
        } else {
            return;
        }
        size_ = long(size);
        readable_ = true;
    }
    ~FileBytes()
    {
        if (map_)
            ::munmap(map_, mapSize_);
    }
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool readable() const { return readable_; }
    QByteArrayView bytes() const { return QByteArrayView(reinterpret_cast<const char*>(data_), qsizetype(size_)); }
    // Exiv2 reads these bytes in place (it copies only to write, which is never done here).
    Exiv2::BasicIo::AutoPtr io() const { return Exiv2::BasicIo::AutoPtr(new Exiv2::MemIo(data_, size_)); }

private:
    QByteArray buffer_;
    void* map_ = nullptr;
    size_t mapSize_ = 0;
    const Exiv2::byte* data_ = nullptr;
    long size_ = 0;
    bool readable_ = false;
};

// Exiv2 names the data source in some errors; a source in memory is called "MemIo".
QString errorText(const char* what, const std::string& path)
{
    std::string text(what);
    static const std::string memIo = "MemIo";
    if (text.compare(0, memIo.size(), memIo) == 0)
        text.replace(0, memIo.size(), path);
    return QString::fromLocal8Bit(text.c_str());
}

// The Exif block of a HEIF file's Exif item (TIFF data) into exif; false when it holds none.
bool decodeExif(Exiv2::ExifData& exif, const QByteArray& tiff, const std::string& path)
{
    if (tiff.isEmpty())
        return false;
    try {
        Exiv2::ExifParser::decode(exif, reinterpret_cast<const Exiv2::byte*>(tiff.constData()), uint32_t(tiff.size()));
    } catch (const Exiv2::AnyError& e) {
        qWarning().noquote() << QStringLiteral("Error in ImageMetadata::readProperties : %1 : %2")
                                    .arg(QString::fromLocal8Bit(path.c_str()), QString::fromLocal8Bit(e.what()));
        return false;
    }
    return !exif.empty();
}

void putDictionary(QVariantMap& into, const char* key, const QVariantMap& dictionary)
{
    if (!dictionary.isEmpty())
        into.insert(QString::fromLatin1(key), dictionary);
}

} // namespace

namespace ImageMetadata {

void initializeExiv2()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::warn);
        Exiv2::LogMsg::setHandler(logFromExiv2);
        Exiv2::XmpParser::initialize(lockXmp, nullptr);
        // HEIC, HEIF, AVIF and CR3: built into Debian's Exiv2 0.27, off until switched on.
        Exiv2::enableBMFF(true);
    });
}

} // namespace ImageMetadata

namespace Exiv2Reader {

QVariantMap readImage(int fd, uint64_t size, const std::string& path, unsigned wanted, const QByteArray& whole)
{
    using namespace ImageMetadata;
    initializeExiv2();
    QVariantMap properties;
    try {
        const FileBytes bytes(fd, size, whole);
        // Otherwise a FileIo, so that a path is never taken for a URL.
        Exiv2::BasicIo::AutoPtr io =
            bytes.readable() ? bytes.io() : Exiv2::BasicIo::AutoPtr(new Exiv2::FileIo(path));
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(io);
        if (!image.get())
            return {};
        image->readMetadata();

        long width = image->pixelWidth();
        long height = image->pixelHeight();
        const Exiv2::ExifData* exif = &image->exifData();
        const Exiv2::XmpData* xmp = &image->xmpData();
        Exiv2::ExifData heifExif;
        Exiv2::XmpData heifXmp;
        // What Exiv2 may have missed in a HEIF file (see HeifItems), read only when needed.
        const bool xmpWanted = wanted & (Iptc | CaptureDate);
        if (image->imageType() == Exiv2::ImageType::bmff
            && ((wanted & Dimensions) || exif->empty() || (xmpWanted && xmp->empty()))) {
            const HeifItems items =
                bytes.readable() ? HeifItemReader::read(bytes.bytes()) : HeifItemReader::read(fd, size);
            if (items.width > 0 && items.height > 0) {
                width = long(items.width);
                height = long(items.height);
            }
            if (exif->empty() && decodeExif(heifExif, items.exif, path))
                exif = &heifExif;
            if (xmp->empty() && !items.xmp.isEmpty()
                && Exiv2::XmpParser::decode(heifXmp, items.xmp.toStdString()) == 0)
                xmp = &heifXmp;
        }

        if (wanted & Dimensions) {
            if (width > 0 && width <= std::numeric_limits<int>::max())
                properties.insert(QStringLiteral("PixelWidth"), qlonglong(width));
            if (height > 0 && height <= std::numeric_limits<int>::max())
                properties.insert(QStringLiteral("PixelHeight"), qlonglong(height));
        }
        putDictionary(properties, "{Exif}", exifDictionary(*exif, wanted));
        if (wanted & Device)
            putDictionary(properties, "{TIFF}", tiffDictionary(*exif));
        if (wanted & Iptc)
            putDictionary(properties, "{IPTC}", iptcDictionary(image->iptcData(), *xmp));
        if (wanted & CaptureDate)
            putDictionary(properties, "{XMP}", xmpDatesDictionary(*xmp));
    } catch (const Exiv2::AnyError& e) {
        qWarning().noquote() << QStringLiteral("Error in ImageMetadata::readProperties : %1")
                                    .arg(errorText(e.what(), path));
        return {};
    } catch (const std::exception& e) {
        qWarning().noquote() << QStringLiteral("Error in ImageMetadata::readProperties : %1")
                                    .arg(errorText(e.what(), path));
        return {};
    }
    return properties;
}

} // namespace Exiv2Reader

#pragma GCC diagnostic pop
