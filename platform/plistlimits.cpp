#include "platform/plistlimits.h"

#include <QByteArrayView>

#include <cstring>
#include <vector>

namespace Plist {
namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

QString tooDeep()
{
    return QStringLiteral("arrays and dictionaries nested deeper than %1 levels").arg(kMaxNesting);
}

// ---- XML ---------------------------------------------------------------------------------------
// Follows the tokenizer of libplist 2.2's XML reader closely enough to know the nesting depth it
// reaches: comments, processing instructions, DOCTYPE blocks and the text of scalar elements
// (CDATA included) are skipped exactly where libplist skips them, so a "</array>" hidden there
// is never taken for a closing tag. Wherever libplist would stop with an error, so does the scan.
class XmlDepthScan {
public:
    explicit XmlDepthScan(const QByteArray& data)
        : m_pos(data.constData()), m_end(data.constData() + data.size()) {}

    bool run(QString* error)
    {
        int depth = 0;
        for (;;) {
            skipWhitespace();
            if (m_pos >= m_end || *m_pos != '<')
                return true;
            if (++m_pos >= m_end)
                return true;
            if (*m_pos == '?') {
                if (!skipPast("?>", true))
                    return true;
                continue;
            }
            if (*m_pos == '!') {
                if (!skipSpecial())
                    return true;
                continue;
            }
            const char* name = m_pos;
            findAny(" \r\n\t<>", false);
            if (m_pos >= m_end)
                return true;
            qsizetype nameLength = m_pos - name;
            if (*m_pos != '>')
                findAny("<>", true);
            if (m_pos >= m_end || *m_pos != '>')
                return true;
            const bool empty = m_pos[-1] == '/';
            if (empty && m_pos - name - 1 < nameLength)
                nameLength = m_pos - name - 1;
            ++m_pos;
            const QByteArrayView tag(name, nameLength);
            if (tag == "array" || tag == "dict") {
                // An empty <array/> is a level of its own, though nothing nests inside it.
                if ((empty ? depth + 1 : ++depth) > kMaxNesting)
                    return fail(error, tooDeep());
            } else if (tag == "/array" || tag == "/dict") {
                if (depth > 0)
                    --depth;
            } else if (!empty && isTextElement(tag)) {
                if (!skipText(tag))
                    return true;
            }
        }
    }

private:
    static bool isTextElement(QByteArrayView tag)
    {
        return tag == "key" || tag == "string" || tag == "integer" || tag == "real" || tag == "true"
            || tag == "false" || tag == "data" || tag == "date";
    }

    bool startsWith(const char* text) const
    {
        const size_t length = std::strlen(text);
        return size_t(m_end - m_pos) >= length && std::memcmp(m_pos, text, length) == 0;
    }

    void skipWhitespace()
    {
        while (m_pos < m_end && (*m_pos == ' ' || *m_pos == '\t' || *m_pos == '\r' || *m_pos == '\n'))
            ++m_pos;
    }

    // Skips a double-quoted run starting at m_pos; false when the closing quote is missing.
    bool skipQuoted()
    {
        const void* quote = std::memchr(m_pos + 1, '"', size_t(m_end - m_pos - 1));
        if (!quote) {
            m_pos = m_end;
            return false;
        }
        m_pos = static_cast<const char*>(quote);
        return true;
    }

    // Moves m_pos to the next character from `chars` (m_end when there is none).
    void findAny(const char* chars, bool skipQuotes)
    {
        for (; m_pos < m_end; ++m_pos) {
            if (skipQuotes && *m_pos == '"' && !skipQuoted())
                return;
            if (*m_pos != '\0' && std::strchr(chars, *m_pos))
                return;
        }
    }

    // Moves m_pos past the next occurrence of `marker`; false when there is none.
    bool skipPast(const char* marker, bool skipQuotes)
    {
        const size_t length = std::strlen(marker);
        for (; m_pos < m_end; ++m_pos) {
            if (startsWith(marker)) {
                m_pos += length;
                return true;
            }
            if (skipQuotes && *m_pos == '"' && !skipQuoted())
                return false;
        }
        return false;
    }

    // "<!" at top level: a comment or a DOCTYPE (with or without an internal subset).
    bool skipSpecial()
    {
        if (startsWith("!--")) {
            m_pos += 3;
            return skipPast("-->", false);
        }
        if (!startsWith("!DOCTYPE"))
            return false;
        m_pos += 8;
        while (m_pos < m_end) {
            findAny(" \t\r\n[>", true);
            if (m_pos >= m_end)
                return false;
            if (*m_pos == '[')
                return skipPast("]>", true);
            if (*m_pos == '>') {
                ++m_pos;
                return true;
            }
            skipWhitespace();
        }
        return false;
    }

    // The content of a scalar element up to and including its closing tag.
    bool skipText(QByteArrayView tag)
    {
        for (;;) {
            const void* lt = std::memchr(m_pos, '<', size_t(m_end - m_pos));
            if (!lt)
                return false;
            m_pos = static_cast<const char*>(lt) + 1;
            if (m_pos >= m_end)
                return false;
            if (*m_pos == '/')
                break;
            if (*m_pos != '!')
                return false;
            ++m_pos;
            if (startsWith("--")) {
                m_pos += 2;
                if (!skipPast("-->", false))
                    return false;
            } else if (startsWith("[CDATA[")) {
                m_pos += 7;
                if (!skipPast("]]>", false))
                    return false;
            } else {
                return false;
            }
        }
        ++m_pos;
        if (m_end - m_pos < tag.size() || std::memcmp(m_pos, tag.data(), size_t(tag.size())) != 0)
            return false;
        m_pos += tag.size();
        skipWhitespace();
        if (m_pos >= m_end || *m_pos != '>')
            return false;
        ++m_pos;
        return true;
    }

    const char* m_pos;
    const char* m_end;
};

// ---- binary ------------------------------------------------------------------------------------
// Walks the object references of a binary property list (trailer, offset table, container
// markers) without recursion, measuring the deepest nesting and how many values the shared
// references expand to. Damage that libplist would refuse is refused here too.
class BinaryScan {
public:
    explicit BinaryScan(const QByteArray& data)
        : m_data(reinterpret_cast<const uchar*>(data.constData())), m_size(quint64(data.size())) {}

    bool run(QString* error)
    {
        if (m_size < 8 + 32)
            return fail(error, QStringLiteral("binary property list too short"));
        const uchar* trailer = m_data + m_size - 32;
        m_offsetSize = trailer[6];
        m_refSize = trailer[7];
        m_objectCount = number(trailer + 8, 8);
        const quint64 root = number(trailer + 16, 8);
        m_table = number(trailer + 24, 8);
        if (m_offsetSize < 1 || m_offsetSize > 8 || m_refSize < 1 || m_refSize > 8 || m_objectCount == 0
            || root >= m_objectCount || m_table < 8 || m_table >= m_size - 32
            || m_objectCount > (m_size - 32 - m_table) / m_offsetSize)
            return fail(error, QStringLiteral("damaged binary property list trailer"));
        return walk(root, error);
    }

private:
    enum State : uchar { Unseen, Open, Done };

    struct Frame {
        quint64 object;
        quint64 refs;      // position of the first reference
        quint64 refCount;
        quint64 next = 0;  // index of the next reference to follow
        quint32 height = 0;
        quint64 values = 1;
        bool isContainer = false;
    };

    static quint64 number(const uchar* p, int size)
    {
        quint64 value = 0;
        for (int i = 0; i < size; ++i)
            value = (value << 8) | p[i];
        return value;
    }

    static quint64 saturatingAdd(quint64 a, quint64 b) { return a + b < a ? ~quint64(0) : a + b; }

    // Reads an object's marker and its count (extended counts included); `start` is where the
    // object's payload begins. False when the header lies outside the object area.
    bool header(quint64 object, int& type, quint64& count, quint64& start) const
    {
        const quint64 offset = number(m_data + m_table + object * m_offsetSize, m_offsetSize);
        if (offset >= m_table)
            return false;
        const uchar marker = m_data[offset];
        type = marker >> 4;
        count = marker & 0x0F;
        start = offset + 1;
        if (count == 0x0F && (type == 0x4 || type == 0x5 || type == 0x6 || type == 0xA || type == 0xC || type == 0xD)) {
            if (start >= m_table || (m_data[start] >> 4) != 0x1)
                return false;
            const int width = 1 << (m_data[start] & 0x0F);
            if (width > 8 || start + 1 + width > m_table)
                return false;
            count = number(m_data + start + 1, width);
            start += 1 + width;
        }
        return true;
    }

    // libplist 2.2 aborts on an assertion when it hands out a UTF-16 dictionary key holding a NUL
    // (and silently cuts an ASCII one short); both are refused.
    bool keyHoldsNul(quint64 object) const
    {
        int type = 0;
        quint64 length = 0;
        quint64 start = 0;
        if (!header(object, type, length, start) || (type != 0x5 && type != 0x6))
            return false; // damaged or not text: libplist refuses such a key itself
        const quint64 unit = type == 0x6 ? 2 : 1;
        if (length > (m_table - start) / unit)
            return false;
        for (quint64 i = 0; i < length; ++i) {
            const uchar* p = m_data + start + i * unit;
            if (p[0] == 0 && (unit == 1 || p[1] == 0))
                return true;
        }
        return false;
    }

    // Reads the container header of an object; refCount stays 0 for scalars.
    bool container(quint64 object, Frame& frame, QString* error) const
    {
        int type = 0;
        quint64 count = 0;
        quint64 start = 0;
        if (!header(object, type, count, start))
            return fail(error, QStringLiteral("damaged binary property list"));
        frame = Frame{object, start, 0};
        frame.isContainer = type == 0xA || type == 0xC || type == 0xD;
        if (!frame.isContainer)
            return true;
        const quint64 room = (m_table - start) / m_refSize;
        if (count > room || (type == 0xD && count > room / 2))
            return fail(error, QStringLiteral("damaged binary property list"));
        frame.refCount = type == 0xD ? count * 2 : count;
        for (quint64 i = 0; type == 0xD && i < count; ++i) {
            const quint64 key = number(m_data + start + i * m_refSize, m_refSize);
            if (key < m_objectCount && keyHoldsNul(key))
                return fail(error, QStringLiteral("dictionary key holds a NUL character"));
        }
        return true;
    }

    // Adds a finished member (nesting `height` levels, expanding to `values`) to its container,
    // which sits at nesting level `level`.
    static bool fold(Frame& parent, quint32 height, quint64 values, size_t level, QString* error)
    {
        if (level + height > size_t(kMaxNesting))
            return fail(error, tooDeep());
        parent.height = std::max(parent.height, height);
        parent.values = saturatingAdd(parent.values, values);
        if (parent.values > kMaxExpandedValues)
            return fail(error, QStringLiteral("binary property list expands to more than %1 values").arg(kMaxExpandedValues));
        return true;
    }

    bool walk(quint64 root, QString* error)
    {
        const QString damaged = QStringLiteral("damaged binary property list");
        std::vector<uchar> state(m_objectCount, Unseen);
        std::vector<quint32> height(m_objectCount, 0);
        std::vector<quint64> values(m_objectCount, 1);
        std::vector<Frame> stack;

        Frame first{};
        if (!container(root, first, error))
            return false;
        if (first.refCount == 0)
            return true;
        state[root] = Open;
        stack.push_back(first);
        while (!stack.empty()) {
            Frame& top = stack.back();
            if (top.next < top.refCount) {
                const quint64 child = number(m_data + top.refs + top.next * m_refSize, m_refSize);
                ++top.next;
                if (child >= m_objectCount)
                    return fail(error, damaged);
                if (state[child] == Open)
                    return fail(error, QStringLiteral("binary property list refers to itself"));
                if (state[child] == Unseen) {
                    Frame frame{};
                    if (!container(child, frame, error))
                        return false;
                    if (frame.refCount > 0) {
                        if (stack.size() + 1 > size_t(kMaxNesting))
                            return fail(error, tooDeep());
                        state[child] = Open;
                        stack.push_back(frame);
                        continue;
                    }
                    state[child] = Done;
                    height[child] = frame.isContainer ? 1 : 0;
                }
                if (!fold(top, height[child], values[child], stack.size(), error))
                    return false;
                continue;
            }
            const Frame done = top;
            stack.pop_back();
            state[done.object] = Done;
            height[done.object] = done.height + 1;
            values[done.object] = done.values;
            if (!stack.empty() && !fold(stack.back(), height[done.object], done.values, stack.size(), error))
                return false;
        }
        return true;
    }

    const uchar* m_data;
    quint64 m_size;
    int m_offsetSize = 0;
    int m_refSize = 0;
    quint64 m_objectCount = 0;
    quint64 m_table = 0;
};

} // namespace

bool safeToParse(const QByteArray& data, QString* error)
{
    if (data.startsWith("bplist00"))
        return BinaryScan(data).run(error);
    return XmlDepthScan(data).run(error);
}

} // namespace Plist
