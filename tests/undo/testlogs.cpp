#include "testlogs.h"

#include "engine/stringutilities.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace TestLogs {

namespace {

QString shown(QString name)
{
    return name.replace(QLatin1Char(':'), QLatin1Char('/'));
}

bool setImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

Item renamed(const QString& source, const QString& target)
{
    const QFileInfo s(source), t(target);
    return {s.path(), t.path(), shown(s.fileName()), shown(t.fileName())};
}

QByteArray xml(const QList<Item>& items, const QString& appversion, const QString& type)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument(QStringLiteral("1.0"));
    w.writeStartElement(QStringLiteral("files"));
    w.writeAttribute(QStringLiteral("appversion"), appversion.isEmpty() ? StringUtilities::appVersion() : appversion);
    w.writeAttribute(QStringLiteral("type"), type);
    for (const Item& item : items) {
        w.writeEmptyElement(QStringLiteral("file"));
        w.writeAttribute(QStringLiteral("srclocation"), item.srclocation);
        w.writeAttribute(QStringLiteral("tarlocation"), item.tarlocation);
        w.writeAttribute(QStringLiteral("srcfilename"), item.srcfilename);
        w.writeAttribute(QStringLiteral("tarfilename"), item.tarfilename);
        if (item.inode != 0)
            w.writeAttribute(QStringLiteral("inode"), QString::number(item.inode));
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

QByteArray truncatedAfter(const QList<Item>& items, int complete)
{
    const QByteArray whole = xml(items);
    qsizetype at = 0;
    for (int i = 0; i <= complete; ++i)
        at = whole.indexOf("<file ", at) + 1;
    // Cut inside the next element's attributes.
    return whole.left(at + 20);
}

QString name(const QDateTime& start, const QString& countPart)
{
    return QStringLiteral("Log %1-%2.xml").arg(start.toString(QStringLiteral("dd-MM-yyyy HH-mm-ss")), countPart);
}

QString write(const QString& folder, const QString& fileName, const QByteArray& data)
{
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + fileName;
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(data);
    return path;
}

HeldLock::HeldLock(const QString& path)
{
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR);
    held_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

HeldLock::~HeldLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}

UndeletableFolder::UndeletableFolder(const QString& folder)
    : folder_(folder)
{
    ::chmod(QFile::encodeName(folder).constData(), 0555);
    // Root ignores permissions; the immutable flag holds for root too.
    if (::geteuid() == 0) {
        immutable_ = setImmutable(folder, true);
        active_ = immutable_;
    } else {
        active_ = true;
    }
}

UndeletableFolder::~UndeletableFolder()
{
    if (immutable_)
        setImmutable(folder_, false);
    ::chmod(QFile::encodeName(folder_).constData(), 0755);
}

} // namespace TestLogs
