// Writes the photos of bench/compare's photo scenario: N small baseline JPEGs, each with
// its own EXIF capture date (DateTimeOriginal, one hour and one second apart from the
// previous one, so that no two names collide), a camera make and one of five camera
// models. Prints one manifest line per photo: "file name<TAB>YYYY:MM:DD HH:MM:SS<TAB>model".
//
// With --mixed, the files are in turn a JPEG, a HEIC, a Canon CR2 and an MP4 video, as a
// phone's camera roll beside a camera card: the HEIC holds its EXIF block as an item of the
// HEIF box structure, the CR2 is Canon's TIFF layout with its EXIF written by Exiv2, and the
// MP4 has its capture moment in the movie header (UTC) and its model in a QuickTime "©mod"
// text of the user data.
//
//   make_photos DIR [N=1000] [--mixed]
#include "platform/imagemetadata.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

// Exiv2 0.27 declares its smart pointers as std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace {

// A baseline JPEG of 8 x 6 gray pixels.
const char kJpegHex[] =
    "ffd8ffe000104a46494600010101006400640000ffdb004300100b0c0e0c0a100e0d0e1211101318281a181616183123"
    "251d283a333d3c3933383740485c4e404457453738506d51575f626768673e4d71797064785c656763ffc0000b080006"
    "000801011100ffc4001f0000010501010101010100000000000000000102030405060708090a0bffc400b51000020103"
    "03020403050504040000017d01020300041105122131410613516107227114328191a1082342b1c11552d1f024336272"
    "82090a161718191a25262728292a3435363738393a434445464748494a535455565758595a636465666768696a737475"
    "767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9"
    "cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9faffda0008010100003f0048516dff00d4288b"
    "1fdc1b7f957fffd9";

const char* const kModels[] = {"EOS 5D", "D700", "X100F", "ILCE-7M3", "GR III"};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

Exiv2::ExifData exifOf(const std::string& date, const char* model)
{
    Exiv2::ExifData exif;
    exif["Exif.Photo.DateTimeOriginal"] = date;
    exif["Exif.Image.Make"] = "Maker";
    exif["Exif.Image.Model"] = model;
    return exif;
}

// --- Boxes of the ISO base media file format (HEIF and MP4), big-endian.

// The low `bytes` bytes of v, most significant first (or last, for a TIFF in "II" order).
QByteArray bytesOf(quint32 v, int bytes, bool bigEndian = true)
{
    QByteArray out(bytes, '\0');
    for (int i = 0; i < bytes; ++i)
        out[bigEndian ? bytes - 1 - i : i] = char(v >> (8 * i));
    return out;
}

QByteArray u16(quint32 v)
{
    return bytesOf(v, 2);
}

QByteArray u32(quint32 v)
{
    return bytesOf(v, 4);
}

QByteArray box(const char* type, const QByteArray& payload)
{
    return u32(quint32(8 + payload.size())) + QByteArray(type, 4) + payload;
}

// A box with a version and flags before its payload.
QByteArray fullBox(const char* type, int version, const QByteArray& payload)
{
    return box(type, u32(quint32(version) << 24) + payload);
}

// A HEIC with two items: the (empty) coded image and its EXIF block, located in mdat.
void writeHeic(const QString& path, const std::string& date, const char* model)
{
    Exiv2::Blob tiff;
    Exiv2::ExifParser::encode(tiff, Exiv2::bigEndian, exifOf(date, model));
    // The EXIF item starts with the offset of the TIFF header after these four bytes.
    const QByteArray exif = u32(0) + QByteArray(reinterpret_cast<const char*>(tiff.data()), int(tiff.size()));

    const QByteArray ftyp = box("ftyp", QByteArray("heic") + u32(0) + "mif1heic");
    const auto infe = [](quint32 id, const char* type) {
        return fullBox("infe", 2, u16(id) + u16(0) + QByteArray(type, 4) + QByteArray(1, '\0'));
    };
    const QByteArray hdlr = fullBox("hdlr", 0, u32(0) + "pict" + u32(0) + u32(0) + u32(0) + QByteArray(1, '\0'));
    const QByteArray pitm = fullBox("pitm", 0, u16(1));
    const QByteArray iinf = fullBox("iinf", 0, u16(2) + infe(1, "hvc1") + infe(2, "Exif"));
    // iloc: 4-byte offsets and lengths, no base offset; the EXIF item's offset is patched in.
    const auto iloc = [&](quint32 exifOffset) {
        return fullBox("iloc", 0,
                       u16(0x4400) + u16(2) + u16(1) + u16(0) + u16(1) + u32(exifOffset) + u32(0) + u16(2) + u16(0)
                           + u16(1) + u32(exifOffset) + u32(quint32(exif.size())));
    };
    const auto meta = [&](quint32 exifOffset) { return fullBox("meta", 0, hdlr + pitm + iinf + iloc(exifOffset)); };
    const quint32 exifOffset = quint32(ftyp.size() + meta(0).size() + 8);
    writeFile(path, ftyp + meta(exifOffset) + box("mdat", exif));
}

// A Canon CR2 skeleton (TIFF with the "CR" mark and one small IFD), then its EXIF written by
// Exiv2's CR2 writer.
void writeCr2(const QString& path, const std::string& date, const char* model)
{
    QByteArray cr2("II*\0", 4);
    cr2 += QByteArray("\x10\0\0\0", 4); // IFD0 at 16
    cr2 += QByteArray("CR\x02\0", 4);     // CR2 version 2.0
    cr2 += QByteArray(4, '\0');            // no raw IFD
    const auto le16 = [](quint32 v) { return bytesOf(v, 2, false); };
    const auto le32 = [](quint32 v) { return bytesOf(v, 4, false); };
    cr2 += le16(2);
    cr2 += le16(0x100) + le16(3) + le32(1) + le32(8); // ImageWidth 8
    cr2 += le16(0x101) + le16(3) + le32(1) + le32(6); // ImageLength 6
    cr2 += le32(0);
    writeFile(path, cr2);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData exif = image->exifData();
    for (const auto& datum : exifOf(date, model))
        exif[datum.key()] = datum.value();
    image->setExifData(exif);
    image->writeMetadata();
}

// An MP4 whose movie header carries the capture moment as seconds since 1904 (UTC) and
// whose user data names the camera model.
void writeMp4(const QString& path, const QDateTime& taken, const char* model)
{
    const QDateTime epoch1904(QDate(1904, 1, 1), QTime(0, 0), QTimeZone::utc());
    const quint32 seconds = quint32(epoch1904.secsTo(taken));
    QByteArray mvhd = u32(seconds) + u32(seconds) + u32(1000) + u32(1000) + u32(0x00010000) + u16(0x0100);
    mvhd += QByteArray(10, '\0');
    for (quint32 m : {0x00010000u, 0u, 0u, 0u, 0x00010000u, 0u, 0u, 0u, 0x40000000u})
        mvhd += u32(m);
    mvhd += QByteArray(24, '\0') + u32(2);
    const QByteArray modelText(model);
    const QByteArray mod = box("\xa9mod", u16(quint32(modelText.size())) + u16(0x55c4) + modelText);
    const QByteArray moov = box("moov", fullBox("mvhd", 0, mvhd) + box("udta", mod));
    writeFile(path, box("ftyp", QByteArray("isom") + u32(0x200) + "isomiso2mp41") + moov + box("mdat", QByteArray(16, '\0')));
}

void writePhoto(const QString& path, const std::string& date, const char* model)
{
    writeFile(path, QByteArray::fromHex(kJpegHex));
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    image->setExifData(exifOf(date, model));
    image->writeMetadata();
}

} // namespace

int main(int argc, char** argv)
{
    const bool mixed = argc > 1 && std::strcmp(argv[argc - 1], "--mixed") == 0;
    if (mixed)
        --argc;
    if (argc < 2 || argc > 3) {
        std::fputs("usage: make_photos DIR [N=1000] [--mixed]\n", stderr);
        return 2;
    }
    const QString folder = QFile::decodeName(argv[1]);
    const int n = argc > 2 ? std::atoi(argv[2]) : 1000;
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make_photos: cannot create %s\n", argv[1]);
        return 2;
    }
    ImageMetadata::initializeExiv2();
    const QDateTime first(QDate(2009, 1, 1), QTime(0, 0, 0), QTimeZone::utc());
    try {
        for (int i = 0; i < n; ++i) {
            static const char* const kExtensions[] = {"jpg", "heic", "cr2", "mp4"};
            const char* extension = mixed ? kExtensions[i % 4] : "jpg";
            const QString name = QStringLiteral("IMG_%1.%2").arg(i + 1, 5, 10, QLatin1Char('0')).arg(QLatin1String(extension));
            const QDateTime taken = first.addSecs(qint64(i) * 3601);
            const std::string date = taken.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toStdString();
            const char* model = kModels[i % 5];
            const QString path = folder + QLatin1Char('/') + name;
            switch (mixed ? i % 4 : 0) {
            case 0: writePhoto(path, date, model); break;
            case 1: writeHeic(path, date, model); break;
            case 2: writeCr2(path, date, model); break;
            default: writeMp4(path, taken, model); break;
            }
            std::printf("%s\t%s\t%s\n", name.toUtf8().constData(), date.c_str(), model);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_photos: %s\n", e.what());
        return 1;
    }
    return 0;
}
