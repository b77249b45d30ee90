#include "platform/imagemetadata.h"

#include <QFileInfo>

namespace ImageMetadata {

// initializeExiv2 is in readers/exiv2reader.cpp, readProperties in readers/mediareader.cpp.

MappedFile::MappedFile(const QString& path)
    : m_file(path)
{
    if (!QFileInfo(path).isFile() || !m_file.open(QIODevice::ReadOnly))
        return;
    m_open = true;
    m_size = m_file.size();
    if (m_size == 0)
        return;
    m_map = m_file.map(0, m_size);
    if (!m_map) {
        m_copy = m_file.readAll();
        if (m_file.error() != QFileDevice::NoError) {
            m_copy.clear();
            m_open = false;
        }
    }
}

MappedFile::~MappedFile()
{
    if (m_map)
        m_file.unmap(m_map);
}

QByteArrayView MappedFile::bytes() const
{
    if (m_map)
        return QByteArrayView(reinterpret_cast<const char*>(m_map), m_size);
    return QByteArrayView(m_copy);
}

QByteArray readWholeFileMapped(const QString& path)
{
    const MappedFile file(path);
    return file.bytes().toByteArray();
}

} // namespace ImageMetadata
