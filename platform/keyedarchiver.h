#pragma once

#include "platform/plist.h"

#include <QStringList>
#include <QVariantMap>

#include <optional>

// An object of a named class inside a keyed archive, whose fields are plain values
// (strings in practice; MetaDataField is one). classChain lists the class and its
// superclasses, ending with "NSObject".
struct ArchivedObject {
    QString className;
    QStringList classChain;
    QVariantMap fields;
    bool operator==(const ArchivedObject& other) const
    {
        return className == other.className && fields == other.fields;
    }
};
Q_DECLARE_METATYPE(ArchivedObject)

// The documented NSKeyedArchiver layout: {"$version": 100000, "$archiver": "NSKeyedArchiver",
// "$top": {"root": UID 1}, "$objects": ["$null", ...]}. Strings and numbers stand inline,
// arrays are {"NS.objects", "$class"}, dictionaries {"NS.keys", "NS.objects", "$class"},
// dates {"NS.time" (seconds since 2001-01-01 UTC), "$class"}, named objects their fields
// as UIDs plus "$class"; class objects are {"$classname", "$classes"}.
namespace KeyedArchiver {

// Archives a value tree (QString, integers, double, bool, QDateTime, QByteArray,
// QVariantList, QVariantMap, ArchivedObject; an invalid QVariant inside the tree stands for
// "$null") as a binary property list. Returns an empty array and sets *error when the tree
// holds a value with no archived form or nests deeper than 512 levels.
QByteArray archive(const QVariant& root, QString* error = nullptr);

// Reads a binary or XML keyed archive back into the same value model. Shared references
// are accepted; cycles, out-of-range UIDs and malformed layouts give std::nullopt and an
// error text, never a crash.
std::optional<QVariant> unarchive(const QByteArray& data, QString* error = nullptr);

} // namespace KeyedArchiver
