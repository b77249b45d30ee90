// Photo and audio renaming over 1,000 files written here: JPEGs named by EXIF capture
// date and camera model, MP3s named by artist and title, each through the preview pass
// (metadata read, name built, result classified against the disk). Reports the time per
// file. When exiftool is installed, its dry run of the same photo renaming is timed in
// the same run for comparison (wall-clock time for all, since exiftool runs as a child).
#include "engine/metadatafield.h"
#include "metadata/metadatacatalogue.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passprogress.h"
#include "pipeline/previewdriver.h"
#include "platform/imagemetadata.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

// Exiv2 0.27 declares its smart pointers as std::auto_ptr.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <exiv2/exiv2.hpp>
#pragma GCC diagnostic pop

namespace {

constexpr int kFiles = 1000;

// A baseline JPEG of 8 x 6 gray pixels (written once with QImage).
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

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void writePhoto(const QString& path, int i)
{
    if (!writeBytes(path, QByteArray::fromHex(kJpegHex)))
        throw std::runtime_error("cannot write " + path.toStdString());
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    Exiv2::ExifData exif;
    exif["Exif.Photo.DateTimeOriginal"] =
        QStringLiteral("2009:%1:%2 10:11:12").arg(1 + i % 12, 2, 10, QLatin1Char('0')).arg(1 + i % 28, 2, 10, QLatin1Char('0')).toStdString();
    exif["Exif.Image.Make"] = "Maker";
    exif["Exif.Image.Model"] = kModels[i % 5];
    Exiv2::IptcData iptc;
    Exiv2::StringValue keyword("sea");
    iptc.add(Exiv2::IptcKey("Iptc.Application2.Keywords"), &keyword);
    image->setExifData(exif);
    image->setIptcData(iptc);
    image->writeMetadata();
}

void writeSong(const QString& path, int i)
{
    // MPEG-1 Layer III, 128 kbit/s, 44.1 kHz: 417-byte frames of silence.
    QByteArray frame(417, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    if (!writeBytes(path, frame.repeated(8)))
        throw std::runtime_error("cannot write " + path.toStdString());
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    TagLib::PropertyMap properties;
    properties.insert("ARTIST", TagLib::StringList(TagLib::String(kModels[i % 5])));
    properties.insert("TITLE", TagLib::StringList(TagLib::String(QStringLiteral("Song %1").arg(i).toStdString())));
    file.ID3v2Tag(true)->setProperties(properties);
    file.save(TagLib::MPEG::File::ID3v2);
}

struct Folder {
    QTemporaryDir dir;
    QStringList paths;
};

// The photo folder and the audio folder, written once per run.
const Folder& folder(bool photos)
{
    static const auto make = [](bool images) {
        auto f = std::make_unique<Folder>();
        ImageMetadata::initializeExiv2();
        for (int i = 0; i < kFiles; ++i) {
            const QString path = f->dir.filePath(
                QStringLiteral("%1_%2.%3").arg(images ? "IMG" : "track").arg(i, 4, 10, QLatin1Char('0')).arg(images ? "jpg" : "mp3"));
            if (images)
                writePhoto(path, i);
            else
                writeSong(path, i);
            f->paths << path;
        }
        return f;
    };
    static const std::unique_ptr<Folder> photoFolder = make(true);
    static const std::unique_ptr<Folder> audioFolder = make(false);
    return photos ? *photoFolder : *audioFolder;
}

void addAll(ControllerState& state, const Folder& f)
{
    for (const QString& path : f.paths)
        state.list.append(*FileSystemItem::initWithPath(path));
}

void runPreview(benchmark::State& bench, ControllerState& state)
{
    QString error;
    for (auto _ : bench) {
        PassProgress progress(nullptr);
        PreviewDriver::preview(state, state.settings, progress, error);
    }
    if (!error.isEmpty())
        bench.SkipWithError(error.toStdString().c_str());
    if (state.list.files.front().newFilename.isEmpty() || !state.isHasFilesForRenaming.load())
        bench.SkipWithError("nothing was renamed");
    bench.counters["per_file"] = benchmark::Counter(double(bench.iterations()) * kFiles,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void photoSettings(ControllerState& state, const QStringList& tagCodes)
{
    MetaDataCatalogue catalogue;
    QList<MetaDataField> fields;
    for (const QString& code : tagCodes)
        fields << *catalogue.fieldForTagCode(code);
    Settings& s = state.settings;
    s.setInteger("selectedTab", 7);
    s.setText("photoDatePart1", "yyyy");
    s.setText("photoDateSeperator1", "-");
    s.setText("photoDatePart2", "MM");
    s.setText("photoDateSeperator2", "-");
    s.setText("photoDatePart3", "dd");
    s.setText("photoRenamingSeperator", "_");
    s.setFlag("isPhotoRenamingSeperator", true);
    s.setPhotoMetaDataList(fields);
    s.rebuildPhotoMask();
}

void BM_PhotoByDateAndModel(benchmark::State& bench)
{
    ControllerState state;
    addAll(state, folder(true));
    photoSettings(state, {"<EXIF_Date>", "<EXIF_Device_Model>"});
    runPreview(bench, state);
}

// An IPTC token as well: the whole file is mapped and its XMP searched for every image.
void BM_PhotoByDateAndKeywords(benchmark::State& bench)
{
    ControllerState state;
    addAll(state, folder(true));
    photoSettings(state, {"<EXIF_Date>", "<IPTC_Keywords>"});
    runPreview(bench, state);
}

void BM_ExiftoolDryRun(benchmark::State& bench)
{
    const QString exiftool = QStandardPaths::findExecutable(QStringLiteral("exiftool"));
    if (exiftool.isEmpty()) {
        bench.SkipWithError("exiftool is not installed (Debian: libimage-exiftool-perl)");
        for (auto _ : bench) {
        }
        return;
    }
    const QString dir = folder(true).dir.path();
    for (auto _ : bench) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(exiftool, {"-d", "%Y-%m-%d", "-testname<${DateTimeOriginal}_${Model}.%e", dir});
        if (!process.waitForFinished(-1) || process.exitCode() != 0)
            bench.SkipWithError("exiftool failed");
    }
    bench.counters["per_file"] = benchmark::Counter(double(bench.iterations()) * kFiles,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_AudioByArtistAndTitle(benchmark::State& bench)
{
    ControllerState state;
    addAll(state, folder(false));
    Settings& s = state.settings;
    s.setInteger("selectedTab", 6);
    s.setText("id3RenamingMask", "<Artist> - <Title>");
    runPreview(bench, state);
}

} // namespace

BENCHMARK(BM_PhotoByDateAndModel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_PhotoByDateAndKeywords)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
BENCHMARK(BM_ExiftoolDryRun)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_AudioByArtistAndTitle)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // QProcess and the pass's progress posts expect one
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
