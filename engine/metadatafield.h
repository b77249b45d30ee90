#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// One selectable metadata field of the photo method: its category code (prefix), the
// label shown to the user, the mask token ("<EXIF_Date>"), where the value comes from
// (metadataCode) and the value found for the current image (working state, not archived).
class MetaDataField {
public:
    MetaDataField() = default;
    // The arguments are, in this order, prefix, label, tagCode and metadataCode.
    static MetaDataField initWithLabelAndTagCode(const QString& prefix, const QString& label,
                                                 const QString& tagCode, const QString& metadataCode);

    QString prefix;
    QString label;
    QString tagCode;
    QString metadataCode;
    QVariant metadataValue; // absent after unarchiving

    bool operator==(const MetaDataField& other) const
    {
        return prefix == other.prefix && label == other.label && tagCode == other.tagCode
            && metadataCode == other.metadataCode;
    }

    // The tag codes of a list of fields, in order.
    static QStringList getTagsList(const QList<MetaDataField>& fields);

    // The archived form: an ArchivedObject of class "MetaDataField" with the four texts.
    QVariant encodeWithCoder() const;
    static std::optional<MetaDataField> initWithCoder(const QVariant& archived);

    // A whole list as the keyed-archive data blob of a settings dictionary, and back.
    static QByteArray archiveList(const QList<MetaDataField>& fields);
    static std::optional<QList<MetaDataField>> unarchiveList(const QByteArray& data,
                                                             QString* error = nullptr);
};
