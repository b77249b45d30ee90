// The rules sheet's option tree and the help pages use the window's words, not stored ones.
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

// Empty, a settings key, a stored type the window does not say, an all-capital token (THIS,
// TRUE), "false", or a label that kept its colon.
bool readsAsStored(const QString& text)
{
    static const QRegularExpression token(QStringLiteral("^[A-Z][A-Z0-9_]+$|^(?i:true|false)$|:$"));
    static const QStringList stored = {"Numeric", "Alphabetic", "Remove Characters", "As String", "As Date",
                                       "DateTime", "ID3Tag", "Path Components"};
    return text.trimmed().isEmpty() || SettingDescriptors::find(text) || stored.contains(text)
        || token.match(text).hasMatch();
}

TEST(Vocabulary, EveryOptionOfEveryStepReadsAsAPersonReadsIt)
{
    for (const auto& [kind, type] : kSteps) {
        const QVariantMap defaults = RuleKinds::withDefaults({{"rule", kind}, {"type", type}});
        for (const QString& key : RuleKinds::settingsKeys(RuleKinds::kindOf(kind), type)) {
            for (const QVariant& value : otherValues(*SettingDescriptors::find(key))) {
                QVariantMap step = defaults;
                step.insert(key, value);
                const std::unique_ptr<Rule> root = Rule::rootItem(step);
                const std::string where = QStringLiteral("%1 %2=%3: ").arg(type, key, value.toString()).toStdString();
                EXPECT_FALSE(readsAsStored(root->option)) << where << root->option.toStdString();
                ASSERT_GT(root->numberOfChildren(), 0) << where;
                for (int i = 0; i < root->numberOfChildren(); ++i) {
                    const Rule* row = root->childAtIndex(i);
                    EXPECT_FALSE(readsAsStored(row->option) || readsAsStored(row->value))
                        << where << (row->option + " = " + row->value).toStdString();
                }
            }
        }
    }
}

TEST(Vocabulary, HelpPagesNoLongerUseTheOldWords)
{
    // ">This<" is a whole marked-up term; the rest are matched in any letter case.
    const QList<QPair<const char*, QStringList>> oldWords = {
        {"Alphabetic-numerical-sequence-renaming.html",
         {">Numeric<", ">Alphabetic<", "increment by", "add as prefix", "reset the sequence"}},
        {"Replace-Remove.html", {">This<", ">With<", "case sensitive", "all occurrences", "start on occurrence"}},
        {"index.html", {">This<", ">With<", "all occurrences", "replace colon with"}},
        {"Date-time.html", {"date source", "replace colon with", ">Prefix<"}},
        {"General_Tab.html", {"convert filename to", "filename padding mask", "remove all characters"}},
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
