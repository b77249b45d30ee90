#include "profiles/rulefile.h"

#include "engine/filename.h"
#include "engine/stringutilities.h"
#include "pipeline/controllerstate.h"
#include "platform/apppaths.h"
#include "platform/checkedfile.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/plist.h"
#include "platform/userinterface.h"
#include "platform/filemanager.h"
#include "profiles/ruleshape.h"

#include <QDebug>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace RuleFile {

namespace {

const QString kExtension = QStringLiteral("qvrule");

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

// The version attribute placed on the root <plist> start tag of the XML text, checked by
// reading the result back.
std::optional<QByteArray> addAppVersionToRuleFile(const QByteArray& xml, const QString& version, QString* error)
{
    static const QRegularExpression rootTag(QStringLiteral("<plist(?=[\\s/>])"));
    const QString text = QString::fromUtf8(xml);
    const QRegularExpressionMatch match = rootTag.match(text);
    if (!match.hasMatch()) {
        setError(error, QStringLiteral("the document has no <plist> element"));
        return std::nullopt;
    }
    QString withVersion = text;
    withVersion.insert(match.capturedEnd(),
                       QStringLiteral(" appversion=\"%1\"").arg(version.toHtmlEscaped()));
    const QByteArray out = withVersion.toUtf8();

    QXmlStreamReader reader(out);
    while (!reader.atEnd() && reader.readNext() != QXmlStreamReader::StartElement) {
    }
    if (reader.hasError() || reader.name() != QLatin1String("plist")
        || reader.attributes().value(QLatin1String("appversion")) != version) {
        setError(error, reader.hasError() ? reader.errorString()
                                          : QStringLiteral("the version attribute did not read back"));
        return std::nullopt;
    }
    return out;
}

QString ensureExtension(const QString& path)
{
    return splitName(lastPathComponent(path)).extension.compare(kExtension, Qt::CaseInsensitive) == 0
        ? path
        : path + QLatin1Char('.') + kExtension;
}

} // namespace

bool write(const QString& path, const QList<QVariantMap>& rules, QString* error)
{
    QVariantList root;
    root.reserve(rules.size());
    for (const QVariantMap& step : rules)
        root.append(step);
    QString why;
    const QByteArray xml = Plist::write(root, Plist::Format::Xml, &why);
    if (xml.isEmpty()) {
        setError(error, why);
        return false;
    }
    const std::optional<QByteArray> document = addAppVersionToRuleFile(xml, StringUtilities::appVersion(), &why);
    if (!document) {
        qWarning().noquote() << QStringLiteral("Error in addAppVersionToRuleFile : %1").arg(why);
        setError(error, why);
        return false;
    }
    // One whole document into a temporary file, moved over the target only when complete.
    return FileManager::writeFileAtomically(path, *document, error);
}

ReadResult read(const QString& path, QList<QVariantMap>& steps, bool checkVersion, QString* error)
{
    // A file that cannot be read at all is unreadable, not of another version.
    if (QString why; !CheckedFile::isAcceptable(path, CheckedFile::Kind::PropertyList, &why)) {
        setError(error, why);
        return ReadResult::Unreadable;
    }
    if (checkVersion && !StringUtilities::isFileVersionMatch(StringUtilities::appVersionInPlist(path))) {
        setError(error, QStringLiteral("the rule file has no compatible \"appversion\""));
        return ReadResult::Incompatible;
    }
    QString why;
    const std::optional<QVariant> root = Plist::readFile(path, &why);
    std::optional<QList<QVariantMap>> read;
    if (root)
        read = RuleShape::stepsFromPlist(*root, &why);
    if (!read) {
        setError(error, why);
        return ReadResult::Unreadable;
    }
    RuleShape::removeRulePrefix(*read);
    steps = *read;
    return ReadResult::Read;
}

QString rulesFolder(const ControllerState& state)
{
    const QString folder = state.preferences.defaultRulesFolderPath;
    return folder.isEmpty() ? appendingPathComponent(AppPaths::getAppPath(), QStringLiteral("Rules")) : folder;
}

bool saveRule(ControllerState& state, UserInterface& ui)
{
    PanelOptions options;
    options.title = msg("SAVERULESETTINGSFILETITLE").arg(Edition::current().displayName);
    options.directory = rulesFolder(state);
    options.canCreateDirectories = true;
    options.allowedExtensions = {kExtension};
    const QString chosen = ui.savePanel(options);
    if (chosen.isEmpty())
        return false;
    QString why;
    if (!write(ensureExtension(chosen), state.rules, &why)) {
        qWarning().noquote() << QStringLiteral("Error in saveRule : %1").arg(why);
        ui.alert(AlertStyle::Critical, msg("RULESETTINGSFILETITLE"), msg("RULESETTINGSFILEUNABLETOSAVE"));
        return false;
    }
    ui.showStatusMessage(msg("RULESETTINGSFILESAVEDSUCCESS"));
    return true;
}

bool loadRulesFromFile(ControllerState& state, UserInterface& ui, const QString& path, bool checkVersion)
{
    if (state.isExecuting.load())
        return false;
    QList<QVariantMap> steps;
    QString why;
    if (read(path, steps, checkVersion, &why) != ReadResult::Read) {
        qWarning().noquote() << QStringLiteral("Error in openRule : %1").arg(why);
        ui.alert(AlertStyle::Critical, msg("OPENRULETITLE"), msg("OPENRULEINCOMPATIBLE"));
        return false;
    }
    state.rules = steps;
    return true;
}

QString openRule(ControllerState& state, UserInterface& ui)
{
    if (state.isExecuting.load())
        return QString();
    PanelOptions options;
    options.title = msg("CHOOSERULESETTINGSFILETITLE").arg(Edition::current().displayName);
    options.directory = rulesFolder(state);
    options.canChooseFiles = true;
    options.canChooseDirectories = false;
    options.allowsMultipleSelection = false;
    options.allowedExtensions = {kExtension};
    const QStringList chosen = ui.openPanel(options);
    if (chosen.isEmpty() || chosen.first().isEmpty())
        return QString();
    return loadRulesFromFile(state, ui, chosen.first(), true) ? chosen.first() : QString();
}

QList<RuleMenuEntry> loadRulesMenu(const QString& folder)
{
    QList<RuleMenuEntry> entries;
    for (const QString& name : FileManager::contentsOfDirectory(folder)) {
        const NameParts parts = splitName(name);
        if (parts.extension.toLower() != kExtension)
            continue;
        entries.append({parts.base, name, appendingPathComponent(folder, name)});
    }
    return entries;
}

} // namespace RuleFile
