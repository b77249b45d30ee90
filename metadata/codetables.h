#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The IPTC code tables shipped as resources (":/codes/subjectcode.plist" and
// ":/codes/scene.plist", XML property lists mapping a code to its text). Each table is
// loaded on first use and kept for the life of the process; loading is thread-safe, and
// a table that could not be loaded is tried again on the next call.
namespace CodeTables {

using Table = QHash<QString, QString>;

// operation names the caller in the log line of a failure ("getSubjectCode").
std::optional<Table> subjectCodes(const char* operation = "getSubjectCode");
std::optional<Table> scenes(const char* operation = "getScene");

// Loads a table from a property-list file (a dictionary of texts). Failures are logged
// as "Can't create an URL from file <path>." (no such file) or "Error in <operation> :
// <reason>" and give nothing.
std::optional<Table> loadTable(const QString& path, const char* operation);

// Each code replaced by its text, joined by ",". A code missing from the table is logged
// as "Error in <operation> : ..." and kept as it is; the codes after it are translated.
QString translate(const QStringList& codes, const Table& table, const char* operation);

} // namespace CodeTables
