#include "profiles/preferences.h"

#include "platform/apppaths.h"
#include "platform/numbers.h"
#include "platform/plist.h"

#include <QDebug>
#include <QFileInfo>
#include <QVariantMap>

namespace {

const QString kLogFolder = QStringLiteral("defaultLogFolderPath");
const QString kProfileFolder = QStringLiteral("defaultProfileFolderPath");
const QString kRulesFolder = QStringLiteral("defaultRulesFolderPath");
const QString kAutomaticSave = QStringLiteral("automaticSaveCurrProfile");
const QString kChainsInOneGo = QStringLiteral("renameChainsInOneGo");

QString subfolder(const QString& name)
{
    const QString base = AppPaths::getAppPath();
    return base.isEmpty() ? QString() : base + QLatin1Char('/') + name;
}

// A folder entry replaces the value only when it is a non-empty text: an empty folder
// would put logs and profiles at the root of the file system.
void takeFolder(const QVariantMap& dictionary, const QString& key, QString& value)
{
    const QVariant entry = dictionary.value(key);
    if (entry.typeId() == QMetaType::QString && !entry.toString().isEmpty())
        value = entry.toString();
}

} // namespace

namespace PreferencesFile {

QString preferencesFilePath()
{
    const QString base = AppPaths::getAppPath();
    return base.isEmpty() ? QString() : base + QStringLiteral("/preferences.plist");
}

Preferences defaultPreferences()
{
    Preferences prefs;
    prefs.defaultLogFolderPath = subfolder(QStringLiteral("Logs"));
    prefs.defaultProfileFolderPath = subfolder(QStringLiteral("Profiles"));
    prefs.defaultRulesFolderPath = subfolder(QStringLiteral("Rules"));
    prefs.automaticSaveCurrProfile = false;
    prefs.renameChainsInOneGo = true;
    return prefs;
}

} // namespace PreferencesFile

void loadPreferences(Preferences& prefs)
{
    const QString path = PreferencesFile::preferencesFilePath();
    const std::optional<QVariant> root = path.isEmpty() ? std::nullopt : Plist::readFile(path);
    if (!root || root->typeId() != QMetaType::QVariantMap) {
        // A file that cannot be read as preferences is replaced by the current values; what
        // is not a file at all (a FIFO, a device, a folder, a link to nothing) is left alone.
        const QFileInfo info(path);
        if (path.isEmpty() || info.isFile() || (!info.exists() && !info.isSymLink()))
            savePreferences(prefs);
        return;
    }
    const QVariantMap dictionary = root->toMap();
    takeFolder(dictionary, kLogFolder, prefs.defaultLogFolderPath);
    takeFolder(dictionary, kProfileFolder, prefs.defaultProfileFolderPath);
    takeFolder(dictionary, kRulesFolder, prefs.defaultRulesFolderPath);
    const QVariant automatic = dictionary.value(kAutomaticSave);
    if (automatic.typeId() == QMetaType::QString)
        prefs.automaticSaveCurrProfile = intValue(automatic.toString()) != 0;
    else if (automatic.typeId() == QMetaType::Bool || automatic.typeId() == QMetaType::LongLong)
        prefs.automaticSaveCurrProfile = automatic.toLongLong() != 0;
    const QVariant chains = dictionary.value(kChainsInOneGo);
    if (chains.typeId() == QMetaType::QString)
        prefs.renameChainsInOneGo = intValue(chains.toString()) != 0;
    else if (chains.typeId() == QMetaType::Bool || chains.typeId() == QMetaType::LongLong)
        prefs.renameChainsInOneGo = chains.toLongLong() != 0;
}

bool savePreferences(const Preferences& prefs)
{
    const QString path = PreferencesFile::preferencesFilePath();
    QVariantMap dictionary;
    dictionary.insert(kLogFolder, prefs.defaultLogFolderPath);
    dictionary.insert(kProfileFolder, prefs.defaultProfileFolderPath);
    dictionary.insert(kRulesFolder, prefs.defaultRulesFolderPath);
    dictionary.insert(kAutomaticSave, QString::number(prefs.automaticSaveCurrProfile ? 1 : 0));
    // Written only when switched off, so that the file keeps its classic four entries.
    if (!prefs.renameChainsInOneGo)
        dictionary.insert(kChainsInOneGo, QStringLiteral("0"));
    QString error = QStringLiteral("the application data folder is unknown");
    if (!path.isEmpty() && Plist::writeFile(path, dictionary, Plist::Format::Xml, &error))
        return true;
    qWarning().noquote() << QStringLiteral("Error in savePreferences : %1").arg(error);
    return false;
}

bool createApplicationFolders(QString& error)
{
    for (const char* name : {"", "Logs", "Profiles", "Rules"}) {
        if (!AppPaths::createApplicationUsersFolder(QString::fromLatin1(name), error))
            return false;
    }
    return true;
}
