#include "platform/defaultsstore.h"

#include "platform/checkedfile.h"
#include "platform/edition.h"

#include <QDebug>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

// The file QSettings uses for the user scope in INI form.
QString storeFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
        + Edition::current().organization + QLatin1Char('/') + Edition::current().defaultsApplication
        + QStringLiteral(".ini");
}

} // namespace

DefaultsStore::DefaultsStore()
{
    // QSettings reads its file as soon as it is made: a FIFO there would stop the program
    // and a device would be read without end. Such a file (or a link to nothing) is left
    // alone, and the values live in memory only for this run.
    const QString path = storeFilePath();
    const QFileInfo info(path);
    QString error;
    if ((info.exists() || info.isSymLink())
        && !CheckedFile::isAcceptable(path, CheckedFile::Kind::PropertyList, &error)) {
        qWarning().noquote() << QStringLiteral("Error in DefaultsStore : %1; the defaults are not kept").arg(error);
        return;
    }
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            Edition::current().organization,
                                            Edition::current().defaultsApplication);
}

DefaultsStore::~DefaultsStore() = default;

bool DefaultsStore::contains(const QString& key) const
{
    return settings_ ? settings_->contains(key) : unsaved_.contains(key);
}

QVariant DefaultsStore::value(const QString& key) const
{
    return settings_ ? settings_->value(key) : unsaved_.value(key);
}

void DefaultsStore::setValue(const QString& key, const QVariant& value)
{
    if (settings_)
        settings_->setValue(key, value);
    else
        unsaved_.insert(key, value);
}

void DefaultsStore::remove(const QString& key)
{
    if (settings_)
        settings_->remove(key);
    else
        unsaved_.remove(key);
}

bool DefaultsStore::synchronize()
{
    if (!settings_)
        return false;
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}
