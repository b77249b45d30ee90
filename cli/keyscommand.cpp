// `quorvel-cli keys`: every settings key with its kind, default, method tab and meaning, so
// that --set can be written without the source. The man pages and the shell completions are
// made from its tsv form.
#include "cli/clicommands.h"
#include "cli/clioptions.h"
#include "cli/exitcodes.h"
#include "cli/listoutput.h"
#include "engine/settingsdescriptors.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

struct KeyRow {
    QString key, kind, defaultValue, method, meaning;
    int tab = -1;
    QList<QPair<QString, QString>> values;
};

QString kindName(SettingKind kind)
{
    switch (kind) {
    case SettingKind::Text: return QStringLiteral("text");
    case SettingKind::Flag: return QStringLiteral("flag");
    case SettingKind::Integer: return QStringLiteral("integer");
    case SettingKind::Date: return QStringLiteral("date");
    case SettingKind::List: return QStringLiteral("list");
    case SettingKind::MetaDataList: return QStringLiteral("fields");
    }
    return QString();
}

QList<KeyRow> keyRows(const QString& tabFilter)
{
    QList<KeyRow> rows;
    for (const SettingDescriptor& d : SettingDescriptors::all()) {
        KeyRow row;
        row.key = QString::fromLatin1(d.key);
        row.tab = d.tab;
        if (tabFilter == QLatin1String("none") ? row.tab >= 0
                                               : !tabFilter.isEmpty() && row.tab != tabFilter.toInt())
            continue;
        row.kind = kindName(d.kind);
        row.defaultValue = d.kind == SettingKind::Date ? QStringLiteral("now") : QString::fromUtf8(d.defaultValue);
        row.method = SettingDescriptors::methodName(row.tab);
        row.meaning = QString::fromUtf8(d.meaning);
        row.values = SettingDescriptors::values(row.key);
        rows << row;
    }
    return rows;
}

void out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

QString joinedValues(const KeyRow& row, const QString& pairSeparator, const QString& separator)
{
    QStringList parts;
    for (const auto& [value, meaning] : row.values)
        parts << value + pairSeparator + meaning;
    return parts.join(separator);
}

} // namespace

int keysCommand(const CliOptions& options)
{
    if (!options.positional.isEmpty()) {
        printCliError(QStringLiteral("keys takes no arguments"));
        return ExitCode::Usage;
    }
    const QList<KeyRow> rows = keyRows(options.tab);
    const QString format = effectiveFormat(options.format);
    if (format == QLatin1String("json")) {
        QJsonArray array;
        for (const KeyRow& row : rows) {
            QJsonArray values;
            for (const auto& [value, meaning] : row.values)
                values.append(QJsonObject{{QStringLiteral("value"), value}, {QStringLiteral("meaning"), meaning}});
            array.append(QJsonObject{
                {QStringLiteral("key"), row.key},
                {QStringLiteral("kind"), row.kind},
                {QStringLiteral("default"), row.defaultValue},
                {QStringLiteral("tab"), row.tab >= 0 ? QJsonValue(row.tab) : QJsonValue()},
                {QStringLiteral("method"), row.tab >= 0 ? QJsonValue(row.method) : QJsonValue()},
                {QStringLiteral("values"), values},
                {QStringLiteral("meaning"), row.meaning},
            });
        }
        out(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    } else if (format == QLatin1String("table")) {
        qsizetype keyWidth = 3, defaultWidth = 7;
        for (const KeyRow& row : rows) {
            keyWidth = std::max(keyWidth, row.key.size());
            defaultWidth = std::max(defaultWidth, row.defaultValue.size());
        }
        const QString line = QStringLiteral("%1  %2  %3  %4  %5\n");
        out(line.arg(QStringLiteral("Key"), -int(keyWidth)).arg(QStringLiteral("Kind"), -7)
                .arg(QStringLiteral("Default"), -int(defaultWidth)).arg(QStringLiteral("Tab"), -3)
                .arg(QStringLiteral("Meaning")));
        for (const KeyRow& row : rows) {
            QString meaning = row.meaning;
            if (!row.values.isEmpty() && row.kind != QLatin1String("flag"))
                meaning += QStringLiteral(" (") + joinedValues(row, QStringLiteral(" "), QStringLiteral(", ")) + QStringLiteral(")");
            out(line.arg(row.key, -int(keyWidth)).arg(row.kind, -7).arg(row.defaultValue, -int(defaultWidth))
                    .arg(row.tab >= 0 ? QString::number(row.tab) : QStringLiteral("-"), -3).arg(meaning));
        }
    } else {
        QString text;
        for (const KeyRow& row : rows) {
            text += QStringList{row.key, row.kind, row.defaultValue,
                                row.tab >= 0 ? QString::number(row.tab) : QStringLiteral("-"), row.method,
                                joinedValues(row, QStringLiteral("="), QStringLiteral(";")), row.meaning}
                        .join(QLatin1Char('\t'));
            text += QLatin1Char('\n');
        }
        out(text);
    }
    return rows.isEmpty() ? ExitCode::NothingToRename : ExitCode::Done;
}
