// The rules sheet's option tree and the help pages name options with the window's words,
// never as they are stored.
#include "engine/settingsdescriptors.h"
#include "profiles/rule.h"
#include "profiles/rulekinds.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QList<QPair<QString, QString>> kSteps = {
    {"AlphaNumeric", "Numeric"}, {"AlphaNumeric", "Alphabetic"}, {"InsertDelete", "Insert"}, {"InsertDelete", "Delete"},
    {"ReplaceRemove", "Replace"}, {"ReplaceRemove", "Remove"}, {"ReplaceRemove", "Remove Characters"},
    {"PrefixSuffix", "As String"}, {"PrefixSuffix", "As Date"}, {"Date & Time", "DateTime"}, {"General", "General"},
    {"ID3", "ID3Tag"}, {"Photo", "Photo"}, {"PathComponents", "Path Components"}};

// Every value of a key with few of them, one other than the default otherwise.
QList<QVariant> otherValues(const SettingDescriptor& d)
{
    QList<QVariant> out;
    for (const auto& [value, meaning] : SettingDescriptors::values(QString::fromLatin1(d.key)))
        if (value != QLatin1String(d.defaultValue))
            out << value;
    if (d.kind == SettingKind::Date)
        return {QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9))};
    if (d.kind == SettingKind::List)
        return {QStringList{QStringLiteral(".PNG")}};
    return out.isEmpty() ? QList<QVariant>{QString::fromLatin1(d.defaultValue).toInt() ? "7" : "x"} : out;
}

// Empty, a settings key, a stored kind or type that the window does not say, an all-capital
// token (THIS, TRUE), "false", or a label that kept its colon.
bool readsAsStored(const QString& text)
{
    static const QRegularExpression token(QStringLiteral("^[A-Z][A-Z0-9_]+$|^(?i:true|false)$|:$"));
    static const QStringList windowWords = {"Insert", "Delete", "Replace", "Remove", "General", "Photo", "Date & Time"};
    const bool storedName = std::any_of(kSteps.begin(), kSteps.end(), [&](const auto& s) {
        return (s.first == text || s.second == text) && !windowWords.contains(text);
    });
    return text.trimmed().isEmpty() || SettingDescriptors::find(text) || storedName || token.match(text).hasMatch();
}

TEST(Vocabulary, EveryOptionOfEveryStepReadsAsAPersonReadsIt)
{
    int rows = 0;
    for (const auto& [kind, type] : kSteps) {
        const QVariantMap defaults = RuleKinds::withDefaults({{"rule", kind}, {"type", type}});
        for (const QString& key : RuleKinds::settingsKeys(RuleKinds::kindOf(kind), type)) {
            for (const QVariant& value : otherValues(*SettingDescriptors::find(key))) {
                QVariantMap step = defaults;
                step.insert(key, value);
                const std::unique_ptr<Rule> root = Rule::rootItem(step);
                const std::string where = QStringLiteral("%1 %2=%3: ").arg(type, key, value.toString()).toStdString();
                EXPECT_FALSE(readsAsStored(root->option)) << where << root->option.toStdString();
                for (int i = 0; i < root->numberOfChildren(); ++i, ++rows) {
                    const Rule* row = root->childAtIndex(i);
                    EXPECT_FALSE(readsAsStored(row->option) || readsAsStored(row->value))
                        << where << (row->option + " = " + row->value).toStdString();
                }
            }
        }
    }
    EXPECT_GT(rows, 500);
}

TEST(Vocabulary, HelpPagesNoLongerUseTheOldWords)
{
    // ">This<" is a whole marked-up term; the rest are matched in any letter case.
    const QList<QPair<const char*, QStringList>> oldWords = {
        {"Alphabetic-numerical-sequence-renaming.html",
         {">Numeric<", ">Alphabetic<", "increment by", "add as prefix", "reset the sequence"}},
        {"Replace-Remove.html", {">This<", ">With<", "case sensitive", "all occurrences", "start on occurrence"}},
        {"index.html", {">This<", ">With<", "all occurrences", "replace colon with"}},
        {"Insert-Delete.html", {"text to insert", "from character position"}},
        {"Prefix-Suffix.html", {"add as prefix", "date prefix"}},
        {"Date-time.html", {"date source", "replace colon with", ">Prefix<"}},
        {"General_Tab.html", {"convert filename to", "filename padding mask", "remove all characters"}},
        {"Mp3-renaming.html", {"renaming mask", "replace colon with"}},
        {"Photo-renaming.html", {"sequence padding mask", "reset the sequence", "replace colon with"}},
        {"Path-component-renaming.html", {"parent folders level", ">Prefix<"}}};
    for (const auto& [page, words] : oldWords) {
        QFile file(QStringLiteral(":/help/") + QLatin1String(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page;
        const QString html = QString::fromUtf8(file.readAll()).simplified();
        for (const QString& old : words)
            EXPECT_FALSE(html.contains(old, Qt::CaseInsensitive)) << page << " still says " << old.toStdString();
    }
}

} // namespace
