#include "engine/metadatafield.h"

#include "platform/keyedarchiver.h"

MetaDataField MetaDataField::initWithLabelAndTagCode(const QString& prefix, const QString& label,
                                                     const QString& tagCode,
                                                     const QString& metadataCode)
{
    MetaDataField f;
    f.prefix = prefix;
    f.label = label;
    f.tagCode = tagCode;
    f.metadataCode = metadataCode;
    return f;
}

QStringList MetaDataField::getTagsList(const QList<MetaDataField>& fields)
{
    QStringList tags;
    tags.reserve(fields.size());
    for (const MetaDataField& f : fields)
        tags.append(f.tagCode);
    return tags;
}

QVariant MetaDataField::encodeWithCoder() const
{
    ArchivedObject o;
    o.className = QStringLiteral("MetaDataField");
    o.classChain = {QStringLiteral("MetaDataField"), QStringLiteral("NSObject")};
    o.fields.insert(QStringLiteral("prefix"), prefix);
    o.fields.insert(QStringLiteral("label"), label);
    o.fields.insert(QStringLiteral("tagCode"), tagCode);
    o.fields.insert(QStringLiteral("metadataCode"), metadataCode);
    return QVariant::fromValue(o);
}

std::optional<MetaDataField> MetaDataField::initWithCoder(const QVariant& archived)
{
    if (!archived.canConvert<ArchivedObject>() || archived.userType() != qMetaTypeId<ArchivedObject>())
        return std::nullopt;
    const ArchivedObject o = archived.value<ArchivedObject>();
    if (o.className != QLatin1String("MetaDataField"))
        return std::nullopt;
    auto text = [&](const char* key, QString& out) {
        const QVariant v = o.fields.value(QString::fromLatin1(key));
        if (!v.isValid() || v.isNull()) {
            out.clear();
            return true;
        }
        // A NUL fits in no name and could not be archived again with the profile.
        if (v.userType() != QMetaType::QString || v.toString().contains(QChar(u'\0')))
            return false;
        out = v.toString();
        return true;
    };
    MetaDataField f;
    if (!text("prefix", f.prefix) || !text("label", f.label) || !text("tagCode", f.tagCode)
        || !text("metadataCode", f.metadataCode))
        return std::nullopt;
    return f;
}

QByteArray MetaDataField::archiveList(const QList<MetaDataField>& fields)
{
    QVariantList list;
    list.reserve(fields.size());
    for (const MetaDataField& f : fields)
        list.append(f.encodeWithCoder());
    return KeyedArchiver::archive(list);
}

std::optional<QList<MetaDataField>> MetaDataField::unarchiveList(const QByteArray& data, QString* error)
{
    const std::optional<QVariant> root = KeyedArchiver::unarchive(data, error);
    if (!root)
        return std::nullopt;
    if (root->userType() != QMetaType::QVariantList) {
        if (error)
            *error = QStringLiteral("the archived root is not an array");
        return std::nullopt;
    }
    QList<MetaDataField> fields;
    for (const QVariant& v : root->toList()) {
        std::optional<MetaDataField> f = initWithCoder(v);
        if (!f) {
            if (error)
                *error = QStringLiteral("an archived entry is not a MetaDataField");
            return std::nullopt;
        }
        fields.append(*f);
    }
    return fields;
}
