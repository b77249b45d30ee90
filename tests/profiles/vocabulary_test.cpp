// The rules sheet's option tree and the help pages name options with the window's words.
// Every key a step of each kind and type keeps is set to a value other than its default
// (each value of a key with few), and no row of the tree may read as stored: a settings key,
// a stored kind or type, an all-capital token such as THIS, a bare TRUE or FALSE, or nothing.
#include "engine/settingsdescriptors.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/rule.h"
#include "profiles/rulekinds.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

const QList<QPair<const char*, const char*>> kKindsAndTypes = {
    {"AlphaNumeric", "Numeric"},  {"AlphaNumeric", "Alphabetic"},        {"InsertDelete", "Insert"},
    {"InsertDelete", "Delete"},   {"ReplaceRemove", "Replace"},          {"ReplaceRemove", "Remove"},
    {"ReplaceRemove", "Remove Characters"}, {"PrefixSuffix", "As String"}, {"PrefixSuffix", "As Date"},
    {"Date & Time", "DateTime"},  {"General", "General"},                {"ID3", "ID3Tag"},
    {"Photo", "Photo"},           {"PathComponents", "Path Components"}};

// Stored names that are not also the window's words ("Replace" and "Photo" are).
const QStringList kStoredNames = {"AlphaNumeric", "InsertDelete", "ReplaceRemove", "PrefixSuffix", "PathComponents",
                                  "Numeric", "Alphabetic", "As String", "As Date", "DateTime", "ID3", "ID3Tag",
                                  "Path Components", "Remove Characters"};

QList<QVariant> otherValues(const SettingDescriptor& d)
{
    QList<QVariant> out;
    for (const auto& [value, meaning] : SettingDescriptors::values(QString::fromLatin1(d.key)))
        if (value != QLatin1String(d.defaultValue))
            out << value;
    if (d.kind == SettingKind::Date)
        out << QDateTime(QDate(2010, 3, 7), QTime(14, 5, 9));
    else if (d.kind == SettingKind::List)
        out << QStringList{QStringLiteral(".PNG")};
    else if (out.isEmpty())
        out << (QString::fromLatin1(d.defaultValue).toInt() ? QStringLiteral("7") : QStringLiteral("x"));
    return out;
}

// What is wrong with a shown text, or "" when a person can read it.
QString readsAsStored(const QString& text)
{
    static const QRegularExpression token(QStringLiteral("^[A-Z][A-Z0-9_]+$"));
    if (text.trimmed().isEmpty())
        return QStringLiteral("empty");
    if (SettingDescriptors::find(text) || kStoredNames.contains(text))
        return QStringLiteral("a stored name");
    if (token.match(text).hasMatch() || !text.compare(QLatin1String("true"), Qt::CaseInsensitive)
        || !text.compare(QLatin1String("false"), Qt::CaseInsensitive))
        return QStringLiteral("a raw token");
    return text.endsWith(QLatin1Char(':')) ? QStringLiteral("a label with its colon") : QString();
}

TEST(Vocabulary, TheOptionTreeOfEveryStepReadsAsAPersonReadsIt)
{
    int rows = 0;
    for (const auto& [kind, type] : kKindsAndTypes) {
        const QVariantMap base = RuleKinds::withDefaults({{"rule", kind}, {"type", type}});
        for (const QString& key : RuleKinds::settingsKeys(RuleKinds::kindOf(kind), type)) {
            for (const QVariant& value : otherValues(*SettingDescriptors::find(key))) {
                QVariantMap step = base;
                step.insert(key, value);
                const std::unique_ptr<Rule> root = Rule::rootItem(step);
                const QString where = QStringLiteral("%1/%2 %3=%4").arg(kind, type, key, value.toString());
                EXPECT_EQ(readsAsStored(root->option), QString()) << where.toStdString() << ": " << root->option.toStdString();
                ASSERT_GT(root->numberOfChildren(), 0) << where.toStdString();
                for (int i = 0; i < root->numberOfChildren(); ++i, ++rows) {
                    const Rule* row = root->childAtIndex(i);
                    for (const QString& shown : {row->option, row->value})
                        EXPECT_EQ(readsAsStored(shown), QString())
                            << where.toStdString() << ": " << (row->option + " = " + row->value).toStdString();
                }
            }
        }
    }
    EXPECT_GT(rows, 500);

}

// Old words each help page must no longer use (">This<" is a whole marked-up term), and
// labels of the window's controls it must use.
struct HelpPage {
    const char* page;
    QStringList oldWords;
    QList<const char*> windowLabels;
};

TEST(Vocabulary, HelpPagesUseTheWindowsWords)
{
    Messages::install(Edition::current(), QStringLiteral("en"));
    const QList<HelpPage> pages = {
        {"Alphabetic-numerical-sequence-renaming.html",
         {">Numeric<", ">Alphabetic<", "increment by", "decrement by", "add as prefix", "reset the sequence"},
         {"SEQUENCENUMBERS", "SEQUENCELETTERS", "SEQUENCEINCREMENTBY", "SEQUENCEASPREFIX", "SEQUENCERESETEACHFOLDER"}},
        {"Insert-Delete.html", {"text to insert", "from character position", "at a character position"},
         {"INSERTDELETEINSERT", "ATPOSITION", "DELETEFROMEND"}},
        {"Replace-Remove.html",
         {">This<", ">With<", "case sensitive", "all occurrences", "start on occurrence", "occurrence count",
          "start from character"},
         {"REPLACEFIND", "REPLACEWITH", "CASESENSITIVE", "ALLOCCURRENCES", "STARTONOCCURRENCE", "OCCURRENCECOUNT"}},
        {"Prefix-Suffix.html", {"add as prefix", "as date", "date prefix", "time parts"},
         {"ASPREFIX", "TEXTBEFOREDATE", "FILEDATE"}},
        {"Date-time.html", {"date source", "date format", "replace colon with", ">Prefix<"},
         {"DATESOURCE", "DATETIMESEPARATOR", "REPLACECOLONWITH"}},
        {"General_Tab.html", {"convert filename to", "filename padding mask", "windows compatible", "remove all characters"},
         {"CONVERTFILENAMECASE", "REMOVEAFTERTEXT", "FILENAMEMASK", "WINDOWSCOMPATIBLE"}},
        {"Mp3-renaming.html", {"renaming mask", "replace colon with"}, {"REPLACECOLONWITH", "SEPARATEWITH"}},
        {"Photo-renaming.html", {"sequence padding mask", "reset the sequence", "replace colon with"},
         {"SEQUENCERESETEACHFOLDER", "SEPARATEWITH", "ADDFIELD"}},
        {"Path-component-renaming.html", {"parent folders level", ">Prefix<"}, {"PATHLEVEL", "TEXTBEFORE"}},
        {"index.html", {">This<", ">With<", "all occurrences", "replace colon with"}, {"REPLACEFIND", "ALLOCCURRENCES"}},
    };
    for (const HelpPage& p : pages) {
        QFile file(QStringLiteral(":/help/") + QLatin1String(p.page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << p.page;
        const QString html = QString::fromUtf8(file.readAll()).simplified();
        for (const QString& old : p.oldWords)
            EXPECT_FALSE(html.contains(old, Qt::CaseInsensitive)) << p.page << " still says " << old.toStdString();
        for (const char* key : p.windowLabels) {
            const QString words = msg(key).remove(QRegularExpression(QStringLiteral("\\s*:\\s*$")));
            EXPECT_TRUE(html.contains(words, Qt::CaseInsensitive)) << p.page << " does not say " << words.toStdString();
        }
    }
}

} // namespace
