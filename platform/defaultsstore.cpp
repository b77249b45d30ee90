#include "platform/defaultsstore.h"

#include "platform/edition.h"

#include <QSettings>

DefaultsStore::DefaultsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            Edition::current().organization,
                                            Edition::current().defaultsApplication))
{
}

DefaultsStore::~DefaultsStore() = default;

bool DefaultsStore::contains(const QString& key) const
{
    return settings_->contains(key);
}

QVariant DefaultsStore::value(const QString& key) const
{
    return settings_->value(key);
}

void DefaultsStore::setValue(const QString& key, const QVariant& value)
{
    settings_->setValue(key, value);
}

void DefaultsStore::remove(const QString& key)
{
    settings_->remove(key);
}

bool DefaultsStore::synchronize()
{
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}
