#include "platform/messages.h"

#include "platform/edition.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <optional>

namespace {
std::unique_ptr<QTranslator> g_english;
std::unique_ptr<QTranslator> g_language;
std::unique_ptr<QTranslator> g_qt; // Qt's own texts: file dialogs, standard buttons

// The variable that names the user's first language, as Qt reads the environment on Unix:
// the first entry of LANGUAGE when it is set, else the first of LC_ALL, LC_MESSAGES and LANG
// that is set ("" when none is).
QByteArray languageVariable(bool* fromLanguageList)
{
    const QByteArray languages = qgetenv("LANGUAGE");
    *fromLanguageList = !languages.isEmpty();
    if (*fromLanguageList) {
        const qsizetype colon = languages.indexOf(':');
        return colon < 0 ? languages : languages.first(colon);
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

// The language code of a locale name of the usual forms ("fr", "fr_FR.UTF-8@euro", "pt-BR"):
// the two or three letters before "_", "-", "." or "@", lower case. "c" for the C locale, as
// Qt names it. Nothing for any other form, which Qt then works out.
std::optional<QString> languageOf(const QByteArray& name, bool fromLanguageList)
{
    qsizetype end = 0;
    while (end < name.size() && !QByteArrayView("_-.@").contains(name.at(end)))
        ++end;
    const QByteArrayView language = QByteArrayView(name).first(end);
    if (!fromLanguageList && (name.isEmpty() || language == "C" || language == "POSIX"))
        return QStringLiteral("c");
    if (language.size() < 2 || language.size() > 3)
        return std::nullopt;
    for (const char c : language) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return std::nullopt;
    }
    return QString::fromLatin1(language).toLower();
}

} // namespace

namespace Messages {

QString preferredLanguage()
{
    // Read from the environment for the usual forms: asking QLocale for the system's UI
    // languages makes it build its locale tables first (about half a millisecond at the
    // start of every command line run).
    bool fromLanguageList = false;
    const QByteArray variable = languageVariable(&fromLanguageList);
    if (const std::optional<QString> language = languageOf(variable, fromLanguageList))
        return *language;
    const QStringList languages = QLocale::system().uiLanguages();
    const QString first = languages.isEmpty() ? QStringLiteral("en") : languages.first();
    return first.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

void install(const Edition& edition)
{
    install(edition, preferredLanguage());
}

void install(const Edition& edition, const QString& language)
{
    if (g_language)
        QCoreApplication::removeTranslator(g_language.get());
    if (g_english)
        QCoreApplication::removeTranslator(g_english.get());
    if (g_qt)
        QCoreApplication::removeTranslator(g_qt.get());
    g_language.reset();
    g_qt.reset();
    g_english = std::make_unique<QTranslator>();
    if (g_english->load(QStringLiteral(":/i18n/quorvel_en.qm")))
        QCoreApplication::installTranslator(g_english.get());
    if (!edition.usesTranslations)
        return;
    const QString lang = language.toLower();
    if (lang == QLatin1String("en"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(lang))) {
        // Installed last, consulted first; untranslated ids fall through to English.
        QCoreApplication::installTranslator(translator.get());
        g_language = std::move(translator);
        // The file dialogs and standard buttons in the same language, when Qt's
        // translations are installed; without them those stay English.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_%1").arg(lang), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            g_qt = std::move(qt);
        }
    }
}

} // namespace Messages

QString msg(const char* key)
{
    const QString text = qtTrId(key);
    return text.isEmpty() ? QString::fromLatin1(key) : text;
}
