#include "platform/messages.h"

#include "platform/edition.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <limits>
#include <memory>

namespace {
std::unique_ptr<QTranslator> g_english;
std::unique_ptr<QTranslator> g_language;
std::unique_ptr<QTranslator> g_qt; // Qt's own texts: file dialogs, standard buttons
} // namespace

namespace Messages {

QString preferredLanguage()
{
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

QString msgN(const char* key, qint64 n)
{
    const int count = int(std::clamp<qint64>(n, 0, std::numeric_limits<int>::max()));
    const QString text = qtTrId(key, count);
    return text.isEmpty() || text == QLatin1String(key) ? QString::fromLatin1(key) : text;
}
