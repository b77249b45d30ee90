#include "metadata/codetables.h"

#include "platform/plist.h"

#include <QDebug>
#include <QFile>
#include <QVariantMap>

#include <mutex>

namespace CodeTables {

namespace {

void logError(const char* operation, const QString& reason)
{
    qWarning().noquote() << QStringLiteral("Error in %1 : %2").arg(QString::fromLatin1(operation), reason);
}

// One lazily loaded table: the lock guards the first load and the retries after a
// failure; a loaded table is never changed again.
class LazyTable {
public:
    explicit LazyTable(QString path)
        : path_(std::move(path))
    {
    }

    std::optional<Table> get(const char* operation)
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        if (!table_)
            table_ = loadTable(path_, operation);
        return table_;
    }

private:
    const QString path_;
    std::mutex mutex_;
    std::optional<Table> table_;
};

} // namespace

std::optional<Table> loadTable(const QString& path, const char* operation)
{
    QFile file(path);
    if (!file.exists()) {
        qWarning().noquote() << QStringLiteral("Can't create an URL from file %1.").arg(path);
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        logError(operation, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    QString error;
    const std::optional<QVariant> root = Plist::read(file.readAll(), &error);
    if (!root) {
        logError(operation, QStringLiteral("%1: %2").arg(path, error));
        return std::nullopt;
    }
    if (root->userType() != QMetaType::QVariantMap) {
        logError(operation, QStringLiteral("%1: the root is not a dictionary").arg(path));
        return std::nullopt;
    }
    const QVariantMap map = root->toMap();
    Table table;
    table.reserve(map.size());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        if (it.value().userType() != QMetaType::QString) {
            logError(operation, QStringLiteral("%1: the entry %2 is not a text").arg(path, it.key()));
            return std::nullopt;
        }
        table.insert(it.key(), it.value().toString());
    }
    return table;
}

std::optional<Table> subjectCodes(const char* operation)
{
    static LazyTable table(QStringLiteral(":/codes/subjectcode.plist"));
    return table.get(operation);
}

std::optional<Table> scenes(const char* operation)
{
    static LazyTable table(QStringLiteral(":/codes/scene.plist"));
    return table.get(operation);
}

QString translate(const QStringList& codes, const Table& table, const char* operation)
{
    // Each code is translated on its own: one without a text is kept as it is and the
    // codes after it are still translated.
    QStringList texts;
    texts.reserve(codes.size());
    for (const QString& code : codes) {
        const auto found = table.constFind(code);
        if (found == table.cend() && !code.isEmpty())
            logError(operation, QStringLiteral("no text for the code \"%1\"").arg(code));
        texts << (found == table.cend() ? code : found.value());
    }
    return texts.join(QLatin1Char(','));
}

} // namespace CodeTables
