#include "platform/readers/videoboxreader.h"

#include "platform/readers/boxfile.h"

#include <QHash>

#include <array>

namespace {

using Box = BoxFile::Box;
using BoxBytes::u32;
using BoxBytes::u8;

constexpr uint32_t type(const char (&text)[5])
{
    return BoxFile::fourCC(text);
}

// Seconds from 1904-01-01 (the movie header's epoch) to 1970-01-01.
constexpr uint64_t kSeconds1904To1970 = 2082844800;
// The last second QDateTime and the date formatters handle well (9999-12-31).
constexpr uint64_t kLastUnixSecond = 253402300799;
// Payload caps: a box this reader reads is small; a larger one is damage or something else.
constexpr uint64_t kSmallBox = 4096;
constexpr uint64_t kKeysBox = 64 * 1024;

QString text(QByteArrayView bytes)
{
    QString value = QString::fromUtf8(bytes);
    while (value.endsWith(QChar(0)))
        value.chop(1);
    return value.trimmed();
}

class MovieReader {
public:
    MovieReader(int fd, uint64_t size)
        : file_(fd, size)
    {
    }

    std::optional<MovieFacts> read()
    {
        bool found = false;
        file_.forEachBox(0, file_.size(), 0, [&](const Box& box) {
            if (box.type == type("ftyp") && box.payloadSize() >= 4)
                facts_.brand = QString::fromLatin1(file_.read(box.payload, 4));
            // The media data ("mdat") and everything else at the top is passed over unread.
            if (box.type != type("moov"))
                return true;
            found = true;
            readMovie(box);
            return false;
        });
        if (!found)
            return std::nullopt;
        if (facts_.make.isEmpty())
            facts_.make = userDataMake_;
        if (facts_.model.isEmpty())
            facts_.model = userDataModel_;
        return facts_;
    }

private:
    void readMovie(const Box& movie)
    {
        file_.forEachBox(movie.payload, movie.end, 1, [&](const Box& box) {
            switch (box.type) {
            case type("mvhd"): readMovieHeader(box); break;
            case type("trak"): readTrack(box); break;
            case type("meta"): readMetadata(box, 2); break;
            case type("udta"): readUserData(box); break;
            default: break;
            }
            return true;
        });
    }

    void readMovieHeader(const Box& box)
    {
        const QByteArray p = file_.payload(box, kSmallBox);
        const uint64_t created = u8(p, 0) == 1 ? BoxBytes::number(p, 4, 8) : u32(p, 4);
        if (created > kSeconds1904To1970 && created - kSeconds1904To1970 <= kLastUnixSecond)
            facts_.headerTime = int64_t(created - kSeconds1904To1970);
    }

    void readTrack(const Box& track)
    {
        uint32_t width = 0, height = 0;
        bool video = false;
        file_.forEachBox(track.payload, track.end, 2, [&](const Box& box) {
            if (box.type == type("tkhd")) {
                const QByteArray p = file_.payload(box, kSmallBox);
                const qsizetype at = u8(p, 0) == 1 ? 88 : 76; // the 16.16 width, then the height
                width = u32(p, at) >> 16;
                height = u32(p, at + 4) >> 16;
            } else if (box.type == type("mdia")) {
                file_.forEachBox(box.payload, box.end, 3, [&](const Box& inner) {
                    if (inner.type != type("hdlr"))
                        return true;
                    video = u32(file_.read(inner.payload, 12), 8) == type("vide");
                    return false;
                });
            }
            return true;
        });
        if (video && facts_.width == 0 && width > 0 && height > 0) {
            facts_.width = width;
            facts_.height = height;
        }
    }

    void readUserData(const Box& userData)
    {
        file_.forEachBox(userData.payload, userData.end, 2, [&](const Box& box) {
            if (box.type == type("\251mak") && userDataMake_.isEmpty())
                userDataMake_ = userDataText(box);
            else if (box.type == type("\251mod") && userDataModel_.isEmpty())
                userDataModel_ = userDataText(box);
            else if (box.type == type("meta"))
                readMetadata(box, 3);
            return true;
        });
    }

    // A QuickTime user data text: its length, a language code, the text.
    QString userDataText(const Box& box)
    {
        const QByteArray p = file_.payload(box, kSmallBox);
        if (u32(p, 4) == type("data")) // written the way item lists write it
            return dataText(p.mid(8));
        const qsizetype length = BoxBytes::u16(p, 0);
        return length <= p.size() - 4 ? text(QByteArrayView(p).sliced(4, length)) : QString();
    }

    // The payload of a "data" box: its value type, its locale, its value (UTF-8 texts only).
    static QString dataText(const QByteArray& payload)
    {
        const uint32_t valueType = u32(payload, 0) & 0xFFFFFF;
        if (payload.size() < 8 || (valueType != 1 && valueType != 0))
            return QString();
        return text(QByteArrayView(payload).sliced(8));
    }

    // A metadata box: QuickTime's has no version and flags before its handler, the ISO
    // one has; its keys name the entries of its item list by number.
    void readMetadata(const Box& meta, int depth)
    {
        const QByteArray head = file_.read(meta.payload, 8);
        const uint64_t begin = u32(head, 4) == type("hdlr") ? meta.payload : meta.payload + 4;
        QStringList keys;
        file_.forEachBox(begin, meta.end, depth, [&](const Box& box) {
            if (box.type == type("keys"))
                keys = readKeys(box);
            return true;
        });
        file_.forEachBox(begin, meta.end, depth, [&](const Box& box) {
            if (box.type == type("ilst"))
                readItemList(box, keys, depth + 1);
            return true;
        });
    }

    QStringList readKeys(const Box& box)
    {
        const QByteArray p = file_.payload(box, kKeysBox);
        QStringList keys;
        const uint32_t count = u32(p, 4);
        qsizetype at = 8;
        for (uint32_t i = 0; i < count && at + 8 <= p.size(); ++i) {
            const uint32_t size = u32(p, at);
            if (size < 8 || size > uint64_t(p.size() - at))
                break;
            keys.append(QString::fromUtf8(p.constData() + at + 8, size - 8));
            at += size;
        }
        return keys;
    }

    void readItemList(const Box& list, const QStringList& keys, int depth)
    {
        file_.forEachBox(list.payload, list.end, depth, [&](const Box& item) {
            const QString key = item.type >= 1 && item.type <= uint32_t(keys.size()) ? keys.at(item.type - 1) : QString();
            QString* into = nullptr;
            if (key == QLatin1String("com.apple.quicktime.creationdate"))
                into = &facts_.creationDate;
            else if (key == QLatin1String("com.apple.quicktime.make"))
                into = &facts_.make;
            else if (key == QLatin1String("com.apple.quicktime.model"))
                into = &facts_.model;
            else if (item.type == type("\251mak"))
                into = &userDataMake_;
            else if (item.type == type("\251mod"))
                into = &userDataModel_;
            if (into && into->isEmpty()) {
                file_.forEachBox(item.payload, item.end, depth + 1, [&](const Box& data) {
                    if (data.type != type("data"))
                        return true;
                    *into = dataText(file_.payload(data, kSmallBox));
                    return false;
                });
            }
            return true;
        });
    }

    BoxFile file_;
    MovieFacts facts_;
    QString userDataMake_, userDataModel_;
};

// The brands of the still-image files of the ISO family: Exiv2 reads them.
bool isImageBrand(uint32_t brand)
{
    static constexpr std::array<uint32_t, 14> kBrands = {
        type("heic"), type("heix"), type("heim"), type("heis"), type("hevc"), type("hevx"), type("hevm"),
        type("hevs"), type("mif1"), type("msf1"), type("avif"), type("avis"), type("crx "), type("jxl ")};
    for (uint32_t b : kBrands) {
        if (b == brand)
            return true;
    }
    return false;
}

} // namespace

namespace VideoBoxReader {

bool looksLikeMovie(QByteArrayView head)
{
    if (head.size() < 12)
        return false;
    const QByteArray bytes = head.first(12).toByteArray();
    const uint32_t size = u32(bytes, 0);
    const uint32_t first = u32(bytes, 4);
    if (first == type("ftyp"))
        return size >= 12 && !isImageBrand(u32(bytes, 8));
    // Older QuickTime files have no file type box.
    const bool quickTimeBox = first == type("moov") || first == type("mdat") || first == type("wide")
        || first == type("free") || first == type("skip") || first == type("pnot");
    return quickTimeBox && (size == 1 || size >= 8);
}

std::optional<MovieFacts> read(int fd, uint64_t size)
{
    return MovieReader(fd, size).read();
}

} // namespace VideoBoxReader
