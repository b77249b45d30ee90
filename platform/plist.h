#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>

// Property lists through libplist, in the Qt value model:
//   string  <-> QString          integer <-> qlonglong    real <-> double
//   boolean <-> bool             date    <-> QDateTime (UTC)
//   data    <-> QByteArray       array   <-> QVariantList dict <-> QVariantMap
//   UID     <-> PlistUid (only inside keyed archives)
struct PlistUid {
    quint64 value = 0;
    bool operator==(const PlistUid& other) const { return value == other.value; }
};
Q_DECLARE_METATYPE(PlistUid)

namespace Plist {

enum class Format { Xml, Binary };

// Serialises a value tree. Returns an empty array and sets *error when a value has no
// property-list form (for example an invalid QVariant).
QByteArray write(const QVariant& root, Format format, QString* error = nullptr);

// Parses XML or binary property-list bytes (the form is detected). Never throws.
std::optional<QVariant> read(const QByteArray& data, QString* error = nullptr);

// Whole-file helpers. writeFile writes atomically (QSaveFile).
std::optional<QVariant> readFile(const QString& path, QString* error = nullptr);
bool writeFile(const QString& path, const QVariant& root, Format format, QString* error = nullptr);

} // namespace Plist
