#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// The boxes of an ISO base media file (MP4, QuickTime, HEIF, CR3), read from an open file
// descriptor with bounded reads: a box's size is checked against the box that holds it (and
// so against the file), a walk stops after kMaxBoxes boxes and kMaxDepth levels, and only the
// payloads a reader asks for are read, each up to a cap it gives. Nothing reads a whole file.
class BoxFile {
public:
    static constexpr int kMaxBoxes = 4096;
    static constexpr int kMaxDepth = 8;

    struct Box {
        uint32_t type = 0;
        uint64_t start = 0;   // of its header
        uint64_t payload = 0; // its first byte after the header (and after the extended type of a "uuid")
        uint64_t end = 0;     // one past its last byte
        uint64_t payloadSize() const { return end - payload; }
    };

    // fd stays the caller's; size is the file's size.
    BoxFile(int fd, uint64_t size)
        : fd_(fd)
        , size_(size)
    {
    }
    // A file already in memory (read or mapped), valid while this object lives.
    explicit BoxFile(QByteArrayView bytes)
        : memory_(bytes)
        , size_(uint64_t(bytes.size()))
    {
    }

    uint64_t size() const { return size_; }

    // Exactly length bytes at offset; empty when they cannot all be read.
    QByteArray read(uint64_t offset, uint64_t length) const;
    // A box's payload, or empty when it is longer than cap (or cannot be read).
    QByteArray payload(const Box& box, uint64_t cap) const;

    // Calls visit(box) for each box from begin up to end, in order, while it returns true.
    // Stops at a box that does not fit (a damaged or cut file), at the end of the box budget
    // and at depths beyond kMaxDepth; depth is the level of the boxes visited (0 for the
    // file's own).
    template <typename Visit>
    void forEachBox(uint64_t begin, uint64_t end, int depth, Visit&& visit)
    {
        if (depth > kMaxDepth)
            return;
        Box box;
        for (uint64_t at = begin; at < end && boxesLeft_ > 0; at = box.end) {
            --boxesLeft_;
            if (!readHeader(at, end, box) || !visit(box))
                return;
        }
    }

    static constexpr uint32_t fourCC(const char (&text)[5])
    {
        return uint32_t(uint8_t(text[0])) << 24 | uint32_t(uint8_t(text[1])) << 16 | uint32_t(uint8_t(text[2])) << 8
            | uint32_t(uint8_t(text[3]));
    }

private:
    bool readHeader(uint64_t at, uint64_t end, Box& box) const;

    int fd_ = -1;
    QByteArrayView memory_;
    uint64_t size_;
    int boxesLeft_ = kMaxBoxes;
};

// Big-endian integers of a payload; 0 past its end.
namespace BoxBytes {
uint64_t number(const QByteArray& bytes, qsizetype at, int width);
inline uint32_t u32(const QByteArray& bytes, qsizetype at) { return uint32_t(number(bytes, at, 4)); }
inline uint16_t u16(const QByteArray& bytes, qsizetype at) { return uint16_t(number(bytes, at, 2)); }
inline uint8_t u8(const QByteArray& bytes, qsizetype at) { return uint8_t(number(bytes, at, 1)); }
} // namespace BoxBytes
