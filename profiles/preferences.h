#pragma once

#include "pipeline/controllerstate.h"

#include <QString>

// The program's preferences: where logs, profiles and rules go by default and whether the
// current profile is saved at quit, kept in "preferences.plist" in the application data
// folder as an XML property list of four strings (a fifth, "renameChainsInOneGo", only
// while shifts and swaps are not renamed in one go).
namespace PreferencesFile {

// "preferences.plist" in the application data folder ("" when that folder is unknown).
QString preferencesFilePath();

// The start-up values: the "Logs", "Profiles" and "Rules" folders of the data folder and
// no automatic profile save.
Preferences defaultPreferences();

} // namespace PreferencesFile

// Reads the file over prefs: each folder entry present (and not empty) and
// "automaticSaveCurrProfile" replace the value in prefs; absent entries leave it. A file
// that is missing or not a dictionary is replaced by one holding prefs.
void loadPreferences(Preferences& prefs);

// Writes the four entries atomically, replacing the file. False (with a log line) when the
// file could not be written; the caller tells the user ("PREFERENCESSAVEFAILED").
bool savePreferences(const Preferences& prefs);

// Creates the application data folder, then its "Logs", "Profiles" and "Rules" folders.
// False with the reason in error when one of them cannot be made.
bool createApplicationFolders(QString& error);
