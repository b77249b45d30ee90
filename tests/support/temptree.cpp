#include "support/temptree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <utime.h>

TempTree::TempTree() = default;

QString TempTree::at(const QString& relative) const
{
    return relative.isEmpty() ? dir_.path() : dir_.path() + QLatin1Char('/') + relative;
}

QString TempTree::file(const QString& relative, const QByteArray& content)
{
    const QString p = at(relative);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(content);
    return p;
}

QString TempTree::folder(const QString& relative)
{
    const QString p = at(relative);
    QDir().mkpath(p);
    return p;
}

void TempTree::setModified(const QString& relative, const QDateTime& when)
{
    struct utimbuf times;
    times.actime = time_t(when.toSecsSinceEpoch());
    times.modtime = time_t(when.toSecsSinceEpoch());
    ::utime(QFile::encodeName(at(relative)).constData(), &times);
}

QStringList TempTree::names(const QString& relative) const
{
    QStringList list = QDir(at(relative)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    list.sort();
    return list;
}

QByteArray TempTree::read(const QString& relative) const
{
    QFile f(at(relative));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
