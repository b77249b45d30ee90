#pragma once

#include "engine/metadatafield.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// One group of the catalogue ("NAME" and "FIELDS").
struct MetaDataCategory {
    QString name;
    QList<MetaDataField> fields;
};

// The fixed catalogue of the photo method's selectable fields: nine categories, 43
// fields, in their order. Built once; only the fields' metadataValue changes afterwards
// (photo renaming fills it per image).
class MetaDataCatalogue {
public:
    MetaDataCatalogue(); // InitializeMetaDataList

    const QList<MetaDataCategory>& categories() const { return categories_; }
    QList<MetaDataCategory>& categories() { return categories_; }
    int fieldCount() const;

    // The catalogue's field with this tag code (its metadataValue not copied).
    std::optional<MetaDataField> fieldForTagCode(const QString& tagCode) const;
    // The metadataValue of the field with this tag code: the first category holding
    // such a field decides (its last such field); "" when no field has it.
    QString getTagValue(const QString& tagCode) const;

    // The audio method's eight tokens, by menu tag 1 to 8 ("" for any other tag).
    static QString audioToken(int menuTag);
    static const QStringList& audioTokens();

private:
    QList<MetaDataCategory> categories_;
};
