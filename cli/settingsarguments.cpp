#include "cli/settingsarguments.h"

#include "engine/settings.h"
#include "engine/settingsdescriptors.h"
#include "metadata/metadatacatalogue.h"

#include <QDateTime>

namespace {

QStringList splitList(const QString& value)
{
    QStringList out;
    for (const QString& part : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            out << trimmed;
    }
    return out;
}

} // namespace

bool applySetArgument(Settings& settings, const QString& key, const QString& value, QString& error)
{
    const SettingDescriptor* d = SettingDescriptors::find(key);
    if (!d) {
        error = QStringLiteral("unknown settings key \"%1\"").arg(key);
        return false;
    }
    switch (d->kind) {
    case SettingKind::Text:
        settings.setText(key, value);
        break;
    case SettingKind::Flag:
    case SettingKind::Integer:
        if (!settings.setDictionaryValue(key, value, &error))
            return false;
        break;
    case SettingKind::Date: {
        const QDateTime date = QDateTime::fromString(value, Qt::ISODate);
        if (!date.isValid()) {
            error = QStringLiteral("%1: \"%2\" is not an ISO 8601 date such as 2010-03-07T14:05:09")
                        .arg(key, value);
            return false;
        }
        settings.setDate(key, date);
        break;
    }
    case SettingKind::List:
        settings.setList(key, splitList(value));
        if (key == QLatin1String("id3RenamingTagsList"))
            settings.resetID3Mask();
        break;
    case SettingKind::MetaDataList: {
        QList<MetaDataField> fields;
        const MetaDataCatalogue catalogue;
        for (const QString& tag : splitList(value)) {
            const std::optional<MetaDataField> field = catalogue.fieldForTagCode(tag);
            if (!field) {
                error = QStringLiteral("%1: \"%2\" is not a metadata tag code such as <EXIF_Date>")
                            .arg(key, tag);
                return false;
            }
            fields << *field;
        }
        settings.setPhotoMetaDataList(fields);
        settings.rebuildPhotoMask();
        break;
    }
    }
    settings.runModeSelectorFor(key);
    return true;
}
