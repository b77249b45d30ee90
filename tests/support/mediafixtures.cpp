#include "support/mediafixtures.h"

#include <QDataStream>
#include <QIODevice>
#include <QSaveFile>

#include <cstdio>
#include <iostream>
#include <unistd.h>

namespace MediaFixtures {

namespace {

// Written once with QImage (8 x 6, 8-bit gray, quality 50).
const char kJpegHex[] =
    "ffd8ffe000104a46494600010101006400640000ffdb004300100b0c0e0c0a100e0d0e1211101318281a181616183123"
    "251d283a333d3c3933383740485c4e404457453738506d51575f626768673e4d71797064785c656763ffc0000b080006"
    "000801011100ffc4001f0000010501010101010100000000000000000102030405060708090a0bffc400b51000020103"
    "03020403050504040000017d01020300041105122131410613516107227114328191a1082342b1c11552d1f024336272"
    "82090a161718191a25262728292a3435363738393a434445464748494a535455565758595a636465666768696a737475"
    "767778797a838485868788898a92939495969798999aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9"
    "cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7e8e9eaf1f2f3f4f5f6f7f8f9faffda0008010100003f0048516dff00d4288b"
    "1fdc1b7f957fffd9";

QByteArray box(const char* type, const QByteArray& payload)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << quint32(8 + payload.size());
    out.writeRawData(type, 4);
    out.writeRawData(payload.constData(), int(payload.size()));
    return bytes;
}

QStringList g_messages;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_messages << message;
}

} // namespace

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool writeJpeg(const QString& path)
{
    return writeBytes(path, QByteArray::fromHex(kJpegHex));
}

bool writeTiff(const QString& path)
{
    const quint32 width = 3, height = 2, stripOffset = 8 + 2 + 8 * 12 + 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("II", 2);
    out << quint16(42) << quint32(8);
    auto shortEntry = [&](quint16 tag, quint16 value) {
        out << tag << quint16(3) << quint32(1) << value << quint16(0);
    };
    auto longEntry = [&](quint16 tag, quint32 value) {
        out << tag << quint16(4) << quint32(1) << value;
    };
    out << quint16(8);
    shortEntry(256, width);             // ImageWidth
    shortEntry(257, height);            // ImageLength
    shortEntry(258, 8);                 // BitsPerSample
    shortEntry(259, 1);                 // Compression: none
    shortEntry(262, 1);                 // PhotometricInterpretation: black is zero
    longEntry(273, stripOffset);        // StripOffsets
    shortEntry(278, height);            // RowsPerStrip
    longEntry(279, width * height);     // StripByteCounts
    out << quint32(0);                  // no further IFD
    for (quint32 i = 0; i < width * height; ++i)
        out << quint8(i * 40);
    return writeBytes(path, bytes);
}

bool writeMp3(const QString& path, int frames)
{
    // MPEG-1 Layer III, no CRC, 128 kbit/s, 44.1 kHz, no padding: 144 * 128000 / 44100 bytes.
    const int frameLength = 417;
    QByteArray frame(frameLength, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xFB);
    frame[2] = char(0x90);
    frame[3] = char(0x00);
    return writeBytes(path, frame.repeated(frames));
}

bool writeM4a(const QString& path)
{
    QByteArray ftyp;
    {
        QDataStream out(&ftyp, QIODevice::WriteOnly);
        out.writeRawData("M4A ", 4);
        out << quint32(0x200);
        out.writeRawData("M4A isom", 8);
    }
    QByteArray mvhd;
    {
        QDataStream out(&mvhd, QIODevice::WriteOnly);
        out << quint32(0)                              // version and flags
            << quint32(0) << quint32(0)                // creation and modification time
            << quint32(1000) << quint32(0)             // time scale, duration
            << quint32(0x00010000) << quint16(0x0100); // rate 1.0, volume 1.0
        out.writeRawData(QByteArray(10, '\0').constData(), 10);
        for (quint32 v : {0x10000u, 0u, 0u, 0u, 0x10000u, 0u, 0u, 0u, 0x40000000u})
            out << v;                                  // unity matrix
        out.writeRawData(QByteArray(24, '\0').constData(), 24);
        out << quint32(1);                             // next track id
    }
    return writeBytes(path, box("ftyp", ftyp) + box("moov", box("mvhd", mvhd))
                                + box("mdat", QByteArray(8, '\0')));
}

namespace {

// A payload written big-endian.
template <typename Write>
QByteArray bytesOf(Write&& write)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    write(out);
    return bytes;
}

QByteArray movieHeader(const Movie& m)
{
    return bytesOf([&](QDataStream& out) {
        if (m.wideTimes)
            out << quint32(1 << 24) << quint64(m.headerTime) << quint64(m.headerTime) << quint32(600) << quint64(0);
        else
            out << quint32(0) << quint32(m.headerTime) << quint32(m.headerTime) << quint32(600) << quint32(0);
        out << quint32(0x00010000) << quint16(0x0100);
        out.writeRawData(QByteArray(10 + 36 + 24, '\0').constData(), 10 + 36 + 24);
        out << quint32(3); // next track id
    });
}

QByteArray handler(const char* type)
{
    return box("hdlr", bytesOf([&](QDataStream& out) {
                   out << quint32(0) << quint32(0);
                   out.writeRawData(type, 4);
                   out.writeRawData(QByteArray(13, '\0').constData(), 13);
               }));
}

QByteArray track(quint32 id, const char* handlerType, quint32 width, quint32 height)
{
    const QByteArray header = bytesOf([&](QDataStream& out) {
        out << quint32(3) << quint32(0) << quint32(0) << id << quint32(0) << quint32(0);
        out.writeRawData(QByteArray(8 + 8 + 36, '\0').constData(), 8 + 8 + 36);
        out << quint32(width << 16) << quint32(height << 16);
    });
    return box("trak", box("tkhd", header) + box("mdia", handler(handlerType)));
}

// QuickTime's metadata: a handler, the keys, an item list whose entries number the keys.
QByteArray quickTimeKeys(const QList<QPair<QString, QString>>& values)
{
    QByteArray keys = bytesOf([&](QDataStream& out) { out << quint32(0) << quint32(values.size()); });
    QByteArray items;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const QByteArray key = values[i].first.toUtf8();
        keys += bytesOf([&](QDataStream& out) { out << quint32(8 + key.size()); }) + "mdta" + key;
        const QByteArray data = bytesOf([](QDataStream& out) { out << quint32(1) << quint32(0); }) + values[i].second.toUtf8();
        const QByteArray item = box("data", data);
        items += bytesOf([&](QDataStream& out) { out << quint32(8 + item.size()) << quint32(i + 1); }) + item;
    }
    return box("meta", handler("mdta") + box("keys", keys) + box("ilst", items));
}

QByteArray userDataText(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    return bytesOf([&](QDataStream& out) { out << quint16(utf8.size()) << quint16(0x55C4); }) + utf8;
}

// A little-endian TIFF with one IFD of ASCII entries, in tag order.
QByteArray asciiTiff(const QList<QPair<quint16, QByteArray>>& entries)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("II", 2);
    out << quint16(42) << quint32(8) << quint16(entries.size());
    quint32 dataAt = 8 + 2 + 12 * quint32(entries.size()) + 4;
    QByteArray data;
    for (const auto& [tag, text] : entries) {
        const QByteArray value = text + '\0';
        out << tag << quint16(2) << quint32(value.size());
        if (value.size() <= 4) {
            out.writeRawData(value.leftJustified(4, '\0').constData(), 4);
        } else {
            out << quint32(dataAt + data.size());
            data += value;
        }
    }
    out << quint32(0);
    return bytes + data;
}

} // namespace

bool writeMovie(const QString& path, const Movie& m)
{
    QByteArray movie = box("mvhd", movieHeader(m));
    if (m.width > 0)
        movie += track(1, "soun", 0, 0) + track(2, "vide", m.width, m.height);
    QList<QPair<QString, QString>> keys;
    if (!m.creationDate.isEmpty())
        keys.append({QStringLiteral("com.apple.quicktime.creationdate"), m.creationDate});
    if (m.deviceInUserData)
        movie += box("udta", box("\251mak", userDataText(m.make)) + box("\251mod", userDataText(m.model)));
    else if (!m.make.isEmpty())
        keys += {{QStringLiteral("com.apple.quicktime.make"), m.make}, {QStringLiteral("com.apple.quicktime.model"), m.model}};
    if (!keys.isEmpty())
        movie += quickTimeKeys(keys);

    const QByteArray fileType = box("ftyp", m.brand + bytesOf([](QDataStream& out) { out << quint32(0x200); }) + m.brand + "isom");
    const QByteArray media(64, '\x55');
    const QByteArray mediaData = m.mediaDataFirst
        ? bytesOf([&](QDataStream& out) { out << quint32(1); out.writeRawData("mdat", 4); out << quint64(16 + media.size()); }) + media
        : box("mdat", media);
    return writeBytes(path, fileType + (m.mediaDataFirst ? mediaData + box("moov", movie) : box("moov", movie) + mediaData));
}

bool writeCr3(const QString& path, const QString& make, const QString& model, const QString& dateTimeOriginal)
{
    const QByteArray canon = QByteArray::fromHex("85c0b687820f11e08111f4ce462b6a48");
    const QByteArray device = asciiTiff({{0x010F, make.toUtf8()}, {0x0110, model.toUtf8()}});
    const QByteArray exif = asciiTiff({{0x9003, dateTimeOriginal.toUtf8()}});
    const QByteArray fileType = box("ftyp", QByteArray("crx ") + QByteArray::fromHex("00000001") + "crx isom");
    return writeBytes(path, fileType + box("moov", box("uuid", canon + box("CMT1", device) + box("CMT2", exif)))
                                + box("mdat", QByteArray(64, '\0')));
}

bool writeAdts(const QString& path, const QByteArray& leading, int frames)
{
    // MPEG-4 AAC LC, 44.1 kHz, stereo, no CRC; each frame a 7-byte header and 9 bytes.
    const int length = 16;
    QByteArray frame(length, '\0');
    frame[0] = char(0xFF);
    frame[1] = char(0xF1);
    frame[2] = char(0x50);
    frame[3] = char(0x80 | ((length >> 11) & 0x03));
    frame[4] = char((length >> 3) & 0xFF);
    frame[5] = char(((length & 0x07) << 5) | 0x1F);
    frame[6] = char(0xFC);
    return writeBytes(path, leading + frame.repeated(frames));
}

StderrCapture::StderrCapture()
{
    std::fflush(stderr);
    std::cerr.flush();
    char name[] = "/tmp/qv-stderr-XXXXXX";
    m_file = ::mkstemp(name);
    if (m_file < 0)
        return;
    ::unlink(name);
    m_saved = ::dup(2);
    ::dup2(m_file, 2);
}

StderrCapture::~StderrCapture()
{
    finish();
}

QByteArray StderrCapture::finish()
{
    if (m_saved < 0)
        return m_text;
    std::fflush(stderr);
    std::cerr.flush();
    ::dup2(m_saved, 2);
    ::close(m_saved);
    m_saved = -1;
    ::lseek(m_file, 0, SEEK_SET);
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(m_file, buffer, sizeof buffer)) > 0)
        m_text.append(buffer, n);
    ::close(m_file);
    m_file = -1;
    return m_text;
}

LogCapture::LogCapture()
{
    g_messages.clear();
    g_previous = qInstallMessageHandler(collect);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(g_previous);
}

QStringList LogCapture::messages() const
{
    return g_messages;
}

bool LogCapture::contains(const QString& text) const
{
    for (const QString& message : g_messages)
        if (message.contains(text))
            return true;
    return false;
}

} // namespace MediaFixtures
