// Writes the photos of bench/compare's photo scenario: N small baseline JPEGs, each with
// its own EXIF capture date (DateTimeOriginal, one hour and one second apart from the
// previous one, so that no two names collide), a camera make and one of five camera
// models. Prints one manifest line per photo: "file name<TAB>YYYY:MM:DD HH:MM:SS<TAB>model".
//
//   make_photos DIR [N=1000]
#include "platform/imagemetadata.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTimeZone>

#include <cstdio>
#include <cstdlib>
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

void writePhoto(const QString& path, const std::string& date, const char* model)
{
    const QByteArray jpeg = QByteArray::fromHex(kJpegHex);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(jpeg) != jpeg.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData exif;
    exif["Exif.Photo.DateTimeOriginal"] = date;
    exif["Exif.Image.Make"] = "Maker";
    exif["Exif.Image.Model"] = model;
    image->setExifData(exif);
    image->writeMetadata();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("usage: make_photos DIR [N=1000]\n", stderr);
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
            const QString name = QStringLiteral("IMG_%1.jpg").arg(i + 1, 5, 10, QLatin1Char('0'));
            const std::string date =
                first.addSecs(qint64(i) * 3601).toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toStdString();
            const char* model = kModels[i % 5];
            writePhoto(folder + QLatin1Char('/') + name, date, model);
            std::printf("%s\t%s\t%s\n", name.toUtf8().constData(), date.c_str(), model);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_photos: %s\n", e.what());
        return 1;
    }
    return 0;
}
