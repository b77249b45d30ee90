#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// Settings read by key, as the renaming methods' options are filled from them: the
// settings record itself, or a rule step read as the settings it stands for. Keys are the
// stored keys of the descriptor table.
class SettingsReader {
public:
    virtual ~SettingsReader() = default;

    virtual QString text(const QString& key) const = 0;
    virtual bool flag(const QString& key) const = 0;
    // An integer key's value, or the integer value of a text key's text.
    virtual int number(const QString& key) const = 0;
    virtual QDateTime date(const QString& key) const = 0;
    virtual QStringList list(const QString& key) const = 0;
    // The tag codes of the photo method's fields, in order.
    virtual QStringList photoTags() const = 0;

protected:
    SettingsReader() = default;
    SettingsReader(const SettingsReader&) = default;
    SettingsReader& operator=(const SettingsReader&) = default;
};
