#include "platform/readers/boxfile.h"

#include <cerrno>
#include <limits>

#include <unistd.h>

QByteArray BoxFile::read(uint64_t offset, uint64_t length) const
{
    if (offset > size_ || length > size_ - offset || length > uint64_t(std::numeric_limits<qsizetype>::max()))
        return {};
    if (fd_ < 0)
        return memory_.sliced(qsizetype(offset), qsizetype(length)).toByteArray();
    QByteArray bytes(qsizetype(length), Qt::Uninitialized);
    uint64_t done = 0;
    while (done < length) {
        const ssize_t n = ::pread(fd_, bytes.data() + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return {};
        done += uint64_t(n);
    }
    return bytes;
}

QByteArray BoxFile::payload(const Box& box, uint64_t cap) const
{
    if (box.payloadSize() > cap)
        return {};
    return read(box.payload, box.payloadSize());
}

bool BoxFile::readHeader(uint64_t at, uint64_t end, Box& box) const
{
    if (end > size_ || at > end || end - at < 8)
        return false;
    const QByteArray head = read(at, end - at >= 16 ? 16 : 8);
    if (head.isEmpty())
        return false;
    uint64_t size = BoxBytes::u32(head, 0);
    box.type = BoxBytes::u32(head, 4);
    box.start = at;
    box.payload = at + 8;
    if (size == 1) { // a 64-bit size follows the type
        if (head.size() < 16)
            return false;
        size = BoxBytes::number(head, 8, 8);
        box.payload = at + 16;
        if (size < 16)
            return false;
    } else if (size == 0) { // up to the end of the box that holds it
        size = end - at;
    } else if (size < 8) {
        return false;
    }
    if (size > end - at)
        return false;
    box.end = at + size;
    if (box.type == fourCC("uuid")) {
        if (box.end - box.payload < 16)
            return false;
        box.payload += 16;
    }
    return true;
}

namespace BoxBytes {

uint64_t number(const QByteArray& bytes, qsizetype at, int width)
{
    if (at < 0 || at > bytes.size() - width)
        return 0;
    uint64_t value = 0;
    for (int i = 0; i < width; ++i)
        value = value << 8 | uint8_t(bytes.at(at + i));
    return value;
}

} // namespace BoxBytes
