#include "metadata/acceptedextensions.h"

#include "engine/settingsdescriptors.h"
#include "platform/edition.h"

QStringList acceptedExtensions(const QStringList& stored, const char* key)
{
    if (Edition::current().hasExtensionEditor)
        return stored;
    const SettingDescriptor* descriptor = SettingDescriptors::find(QString::fromLatin1(key));
    if (!descriptor || descriptor->kind != SettingKind::List)
        return stored;
    return QString::fromLatin1(descriptor->defaultValue).split(QStringLiteral("; "), Qt::SkipEmptyParts);
}
