#pragma once

#include <QString>

struct Edition;

// Every user-visible text is looked up by its message key, which is also the translation
// id ("TOTALFILESRENAMED"). Formats use %1, %2 ... for the original "%@" and "%d".
namespace Messages {

// Loads the English table and, for editions that translate, the table of the user's first
// preferred language on top of it (English stays the fallback for missing texts).
// Needs a QCoreApplication. Safe to call again (replaces the tables).
void install(const Edition& edition);
// The same with the language given ("fr") in place of the user's preferred one.
void install(const Edition& edition, const QString& language);

// The two-letter code of the user's first preferred language ("fr", "de", "en" ...).
QString preferredLanguage();

} // namespace Messages

// The text of a message key; the key itself when no table holds it.
QString msg(const char* key);
// The text of a message key with plural forms, in the form the language uses for n, with
// "%n" replaced by n ("%n files in the list": "1 file in the list", "3 files in the list").
QString msgN(const char* key, qint64 n);
