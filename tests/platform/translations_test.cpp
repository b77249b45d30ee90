// The translation tables: every message of the English table is translated in every other
// language, with the same %N placeholders (a dropped or renumbered one would make
// QString::arg fill the wrong value or leave "%1" on screen) and the same leading and
// trailing blanks (some texts are concatenated to others).
#include "platform/edition.h"
#include "platform/messages.h"
#include "testpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The %N placeholders of a text as QString::arg reads them (%1 ... %99, also %L1), sorted,
// so that a repeated or missing one shows as a difference.
QStringList placeholders(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?([0-9]{1,2})"));
    QStringList found;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text))
        found << m.captured(1);
    std::sort(found.begin(), found.end());
    return found;
}

bool startsBlank(const QString& text) { return !text.isEmpty() && text.front().isSpace(); }
bool endsBlank(const QString& text) { return !text.isEmpty() && text.back().isSpace(); }

// What is wrong with a translation of an English text; empty when nothing is.
QString problem(const QString& english, const QString& translated)
{
    if (translated.isEmpty())
        return QStringLiteral("no translation");
    const QStringList want = placeholders(english);
    const QStringList got = placeholders(translated);
    if (want != got)
        return QStringLiteral("placeholders %1 instead of %2")
            .arg(got.join(QLatin1Char(',')), want.join(QLatin1Char(',')));
    if (startsBlank(english) != startsBlank(translated))
        return QStringLiteral("leading blank differs from English");
    if (endsBlank(english) != endsBlank(translated))
        return QStringLiteral("trailing blank differs from English");
    return {};
}

// One language's .ts source: its ids in order and those whose translation is finished.
struct TsFile {
    bool read = false;
    QStringList ids;
    QHash<QString, bool> finished;
};

TsFile readTs(const QString& lang)
{
    TsFile ts;
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR "/resources/translations/quorvel_%1.ts").arg(lang));
    if (!file.open(QIODevice::ReadOnly))
        return ts;
    QXmlStreamReader xml(&file);
    QString id;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("message")) {
            id = xml.attributes().value(QLatin1String("id")).toString();
            ts.ids << id;
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            // A message with plural forms holds them as child elements.
            ts.finished[id] = !unfinished && !xml.readElementText(QXmlStreamReader::IncludeChildElements).isEmpty();
        }
    }
    ts.read = !xml.hasError();
    return ts;
}

// ID-based lookup, as qtTrId does it through QCoreApplication::translate(nullptr, id).
QString lookup(const QTranslator& translator, const QString& id)
{
    return translator.translate(nullptr, id.toUtf8().constData());
}

// The languages compiled into the resources besides English ("de", "es", "fr" ...).
QStringList compiledLanguages()
{
    QStringList languages;
    const QStringList tables = QDir(QStringLiteral(":/i18n"))
                                   .entryList({QStringLiteral("quorvel_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& table : tables) {
        const QString lang = table.mid(8).chopped(3);
        if (lang != QLatin1String("en"))
            languages << lang;
    }
    return languages;
}

TEST(TranslationCheck, FindsDroppedRenumberedOrRepeatedPlaceholders)
{
    EXPECT_TRUE(problem(QStringLiteral("%1 took %2 second(s)"), QStringLiteral("%2 : %1 s")).isEmpty());
    EXPECT_TRUE(problem(QStringLiteral("%1 file(s)"), QStringLiteral("%L1 fichier(s)")).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral("%1 took %2 second(s)"), QStringLiteral("%1 : secondes")).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral("Undo %1 in %2?"), QStringLiteral("Annuler %1 dans %3 ?")).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral("Save %1 Rule"), QStringLiteral("%1 %1")).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral("%1 items"), QStringLiteral("%11 éléments")).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral("Done."), QStringLiteral("Terminé %1.")).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral("Done."), QString()).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral(" Preferences"), QStringLiteral("Préférences")).isEmpty());
    EXPECT_FALSE(problem(QStringLiteral("could not be created. "), QStringLiteral("pas créés.")).isEmpty());
}

TEST(Translations, CompiledTablesKeepThePlaceholdersAndBlanksOfEveryEnglishMessage)
{
    const TsFile englishTs = readTs(QStringLiteral("en"));
    ASSERT_TRUE(englishTs.read);
    ASSERT_GT(englishTs.ids.size(), 100);

    QTranslator english;
    ASSERT_TRUE(english.load(QStringLiteral(":/i18n/quorvel_en.qm")));
    for (const QString& id : englishTs.ids)
        EXPECT_FALSE(lookup(english, id).isEmpty()) << qPrintable(id) << " is missing from the compiled English table";

    const QStringList languages = compiledLanguages();
    for (const char* expected : {"de", "es", "fr"})
        EXPECT_TRUE(languages.contains(QLatin1String(expected))) << expected << " table is not compiled in";

    for (const QString& lang : languages) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(lang))) << qPrintable(lang);
        for (const QString& id : englishTs.ids) {
            const QString source = lookup(english, id);
            const QString translated = lookup(translator, id);
            const QString wrong = problem(source, translated);
            EXPECT_TRUE(wrong.isEmpty()) << qPrintable(lang) << " " << qPrintable(id) << ": " << qPrintable(wrong)
                                         << "\n  en: \"" << qPrintable(source) << "\"\n  " << qPrintable(lang)
                                         << ": \"" << qPrintable(translated) << "\"";
        }
    }
}

// lrelease -idbased compiles an untranslated message with its English text, so whether a
// message is translated at all is read from the .ts the table is compiled from.
TEST(Translations, EveryLanguageTranslatesEveryEnglishMessage)
{
    const TsFile englishTs = readTs(QStringLiteral("en"));
    ASSERT_TRUE(englishTs.read);
    const QStringList languages = compiledLanguages();
    ASSERT_FALSE(languages.isEmpty());
    for (const QString& lang : languages) {
        const TsFile ts = readTs(lang);
        ASSERT_TRUE(ts.read) << "quorvel_" << qPrintable(lang) << ".ts";
        for (const QString& id : englishTs.ids)
            EXPECT_TRUE(ts.finished.value(id, false)) << qPrintable(lang) << " has no translation for " << qPrintable(id);
    }
}

} // namespace

// Qt's own texts (the file dialogs' buttons and labels) follow the chosen language; the
// earlier edition stays English throughout.
TEST(Translations, QtsOwnTextsFollowTheLanguage)
{
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    const QList<QPair<QString, QString>> expected = {
        {QStringLiteral("fr"), QStringLiteral("Annuler")},
        {QStringLiteral("de"), QStringLiteral("Abbrechen")},
        {QStringLiteral("es"), QStringLiteral("Cancelar")},
    };
    for (const auto& [language, text] : expected) {
        Messages::install(Edition::quorvel(), language);
        EXPECT_EQ(cancel(), text) << qPrintable(language);
        EXPECT_NE(msg("OK"), QString()) << qPrintable(language);
    }
    Messages::install(Edition::quorvel2(), QStringLiteral("fr"));
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
    Messages::install(Edition::quorvel(), QStringLiteral("en"));
    EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
}
