#include "platform/readers/heifitems.h"

#include "platform/readers/boxfile.h"

#include <QHash>

#include <optional>
#include <utility>
#include <vector>

namespace {

using Box = BoxFile::Box;
using BoxBytes::number;
using BoxBytes::u16;
using BoxBytes::u32;
using BoxBytes::u8;

constexpr uint32_t type(const char (&text)[5])
{
    return BoxFile::fourCC(text);
}

constexpr uint64_t kSmallBox = 4096;
constexpr uint64_t kTableBox = 256 * 1024; // item locations, property associations
constexpr uint64_t kItemCap = 4 * 1024 * 1024;

struct Extent {
    uint64_t offset = 0, length = 0;
};

class ItemReader {
public:
    explicit ItemReader(BoxFile file)
        : file_(file)
    {
    }

    HeifItems read()
    {
        file_.forEachBox(0, file_.size(), 0, [&](const Box& box) {
            if (box.type != type("meta"))
                return true;
            readMeta(box);
            return false;
        });
        HeifItems items;
        if (const auto size = sizes_.find(primaryProperty()); size != sizes_.end()) {
            items.width = size->first;
            items.height = size->second;
        }
        if (exifId_) {
            const QByteArray data = itemData(*exifId_);
            // The TIFF header's offset after this field ("Exif\0\0" usually lies between).
            const uint64_t offset = u32(data, 0);
            if (data.size() >= 4 && offset <= uint64_t(data.size() - 4))
                items.exif = data.mid(qsizetype(4 + offset));
        }
        if (xmpId_)
            items.xmp = itemData(*xmpId_);
        return items;
    }

private:
    void readMeta(const Box& meta)
    {
        const uint64_t begin = meta.payload + 4; // after its version and flags
        file_.forEachBox(begin, meta.end, 1, [&](const Box& box) {
            switch (box.type) {
            case type("pitm"): {
                const QByteArray p = file_.payload(box, kSmallBox);
                primary_ = u8(p, 0) == 0 ? u16(p, 4) : u32(p, 4);
                break;
            }
            case type("iinf"): readItemInfos(box); break;
            case type("iloc"): locations_ = file_.payload(box, kTableBox); break;
            case type("iprp"): readProperties(box); break;
            default: break;
            }
            return true;
        });
    }

    void readItemInfos(const Box& infos)
    {
        const bool shortCount = u8(file_.read(infos.payload, 1), 0) == 0;
        file_.forEachBox(infos.payload + (shortCount ? 6 : 8), infos.end, 2, [&](const Box& box) {
            if (box.type != type("infe"))
                return true;
            const QByteArray p = file_.payload(box, kSmallBox);
            const uint8_t version = u8(p, 0);
            if (version < 2) // no item type before version 2
                return true;
            const uint32_t id = version == 2 ? u16(p, 4) : u32(p, 4);
            const qsizetype typeAt = version == 2 ? 8 : 10;
            const uint32_t itemType = u32(p, typeAt);
            if (itemType == type("Exif") && !exifId_) {
                exifId_ = id;
            } else if (itemType == type("mime") && !xmpId_) {
                // The item's name, then its content type, each ending with a NUL.
                const qsizetype nameEnd = p.indexOf('\0', typeAt + 4);
                const qsizetype typeEnd = nameEnd < 0 ? -1 : p.indexOf('\0', nameEnd + 1);
                if (typeEnd > nameEnd && p.mid(nameEnd + 1, typeEnd - nameEnd - 1) == "application/rdf+xml")
                    xmpId_ = id;
            }
            return true;
        });
    }

    void readProperties(const Box& properties)
    {
        file_.forEachBox(properties.payload, properties.end, 2, [&](const Box& box) {
            if (box.type == type("ipco")) {
                uint32_t index = 0;
                file_.forEachBox(box.payload, box.end, 3, [&](const Box& property) {
                    ++index;
                    if (property.type == type("ispe")) {
                        const QByteArray p = file_.payload(property, kSmallBox);
                        sizes_.insert(index, {u32(p, 4), u32(p, 8)});
                    }
                    return true;
                });
            } else if (box.type == type("ipma") && associations_.isEmpty()) {
                associations_ = file_.payload(box, kTableBox);
            }
            return true;
        });
    }

    // The index of the first size property of the primary item; 0 when none.
    uint32_t primaryProperty() const
    {
        const QByteArray& p = associations_;
        const uint8_t version = u8(p, 0);
        const bool wideIndex = u8(p, 3) & 1;
        const uint32_t count = u32(p, 4);
        qsizetype at = 8;
        for (uint32_t i = 0; i < count && at < p.size(); ++i) {
            const uint32_t id = version < 1 ? u16(p, at) : u32(p, at);
            at += version < 1 ? 2 : 4;
            const uint8_t properties = u8(p, at++);
            for (uint8_t j = 0; j < properties && at < p.size(); ++j) {
                const uint32_t index = wideIndex ? u16(p, at) & 0x7FFF : u8(p, at) & 0x7F;
                at += wideIndex ? 2 : 1;
                if (primary_ && id == *primary_ && sizes_.contains(index))
                    return index;
            }
        }
        return 0;
    }

    // The bytes of an item stored in the file itself, its extents joined; empty otherwise.
    QByteArray itemData(uint32_t wanted) const
    {
        const QByteArray& p = locations_;
        const uint8_t version = u8(p, 0);
        const int offsetSize = u8(p, 4) >> 4, lengthSize = u8(p, 4) & 0xF;
        const int baseSize = u8(p, 5) >> 4, indexSize = version >= 1 ? u8(p, 5) & 0xF : 0;
        const auto valid = [](int s) { return s == 0 || s == 4 || s == 8; };
        if (p.isEmpty() || version > 2 || !valid(offsetSize) || !valid(lengthSize) || !valid(baseSize) || !valid(indexSize))
            return {};
        const uint32_t count = version < 2 ? u16(p, 6) : u32(p, 6);
        qsizetype at = version < 2 ? 8 : 10;
        for (uint32_t i = 0; i < count && at < p.size(); ++i) {
            const uint32_t id = version < 2 ? u16(p, at) : u32(p, at);
            at += version < 2 ? 2 : 4;
            const int method = version >= 1 ? u16(p, at) & 0xF : 0;
            at += version >= 1 ? 2 : 0;
            const uint16_t dataReference = u16(p, at);
            const uint64_t base = number(p, at + 2, baseSize);
            at += 2 + baseSize;
            const uint16_t extents = u16(p, at);
            at += 2;
            std::vector<Extent> found;
            for (uint16_t e = 0; e < extents && at < p.size(); ++e) {
                at += indexSize;
                found.push_back({base + number(p, at, offsetSize), number(p, at + offsetSize, lengthSize)});
                at += offsetSize + lengthSize;
            }
            if (at > p.size())
                return {};
            if (id == wanted)
                return method == 0 && dataReference == 0 ? joined(found) : QByteArray();
        }
        return {};
    }

    QByteArray joined(const std::vector<Extent>& extents) const
    {
        QByteArray data;
        for (const Extent& extent : extents) {
            // A length of 0 (the rest of the file) and items over the cap are not read.
            if (extent.length == 0 || extent.length > kItemCap - uint64_t(data.size()))
                return {};
            const QByteArray part = file_.read(extent.offset, extent.length);
            if (part.isEmpty())
                return {};
            data += part;
        }
        return data;
    }

    BoxFile file_;
    std::optional<uint32_t> primary_, exifId_, xmpId_;
    QByteArray locations_, associations_;
    QHash<uint32_t, std::pair<uint32_t, uint32_t>> sizes_; // by property index, from 1
};

} // namespace

namespace HeifItemReader {

HeifItems read(int fd, uint64_t size)
{
    return ItemReader(BoxFile(fd, size)).read();
}

HeifItems read(QByteArrayView bytes)
{
    return ItemReader(BoxFile(bytes)).read();
}

} // namespace HeifItemReader
