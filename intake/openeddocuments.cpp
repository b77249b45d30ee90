#include "intake/openeddocuments.h"

#include "engine/filename.h"
#include "engine/stringutilities.h"
#include "intake/exceptionreason.h"
#include "intake/intake.h"
#include "pipeline/controllerstate.h"
#include "platform/edition.h"
#include "platform/filemanager.h"
#include "platform/messages.h"
#include "platform/userinterface.h"
#include "profiles/profilecommands.h"
#include "profiles/rulefile.h"
#include "profiles/settingsloader.h"

#include <QDebug>

namespace {

const QString kYes = QStringLiteral("YES");
const QString kNo = QStringLiteral("NO");

} // namespace

OpenedDocuments::OpenedDocuments(ControllerState& state, UserInterface& ui,
                                 std::unique_ptr<DelayedCall> delayedCall)
    : state_(state)
    , ui_(ui)
    , delayedCall_(delayedCall ? std::move(delayedCall) : std::make_unique<TimerDelayedCall>())
{
    loadProfile = [this](const QString& path) {
        SettingsLoader loader(state_, ui_);
        return loader.setCurrentSettings(path) == ProfileLoadResult::Loaded;
    };
    loadFiles = [this](const QStringList& paths) { startLoad(paths); };
    saveCurrentProfile = [this] {
        SettingsLoader loader(state_, ui_);
        return ProfileCommands(state_, ui_, loader).saveProfile();
    };
}

OpenedDocuments::~OpenedDocuments() = default;

OpenedDocuments::DocumentType OpenedDocuments::documentType(const QString& path)
{
    const QString extension = splitName(lastPathComponent(path)).extension;
    const bool rule = extension.compare(QLatin1String("qvrule"), Qt::CaseInsensitive) == 0;
    const bool profile = extension.compare(QLatin1String("qvprofile"), Qt::CaseInsensitive) == 0;
    if ((!rule && !profile) || FileManager::isDirectory(path))
        return DocumentType::Other;
    return rule ? DocumentType::Rule : DocumentType::Profile;
}

OpenedDocuments::Reply OpenedDocuments::applicationOpenFiles(const QStringList& paths)
{
    if (state_.isExecuting.load())
        return Reply::Cancel;
    if (paths.size() == 1)
        return openOne(paths.first());
    return scheduleLoad(paths);
}

void OpenedDocuments::applicationOpenFile(const QString& path)
{
    if (state_.isExecuting.load())
        return;
    openOne(path);
}

OpenedDocuments::Reply OpenedDocuments::openOne(const QString& path)
{
    switch (documentType(path)) {
    case DocumentType::Rule:
        return openRuleFile(path);
    case DocumentType::Profile:
        return openProfileFile(path);
    case DocumentType::Other:
        break;
    }
    return scheduleLoad({path});
}

// The display name followed by the title text; a text that does not begin with a blank
// (as " - Profile" does) is set off by " - ".
QString OpenedDocuments::titled(const char* key) const
{
    const QString text = msg(key);
    const QString name = Edition::current().displayName;
    if (text.isEmpty() || text.front().isSpace())
        return name + text;
    return name + QStringLiteral(" - ") + text;
}

OpenedDocuments::Reply OpenedDocuments::openRuleFile(const QString& path)
{
    const QString title = titled("RULESETTINGSFILETITLE");
    if (!StringUtilities::isFileVersionMatch(StringUtilities::appVersionInPlist(path))) {
        ui_.alert(AlertStyle::Critical, title, msg("RULEINCOMPATIBLE"));
        return Reply::Failure;
    }
    // The whole file is read and checked before the question, so the user is never asked
    // about a file that would then be refused.
    QList<QVariantMap> steps;
    QString why;
    const RuleFile::ReadResult read = RuleFile::read(path, steps, true, &why);
    if (read != RuleFile::ReadResult::Read) {
        qWarning().noquote() << QStringLiteral("Error in application:openFile : %1").arg(why);
        ui_.alert(AlertStyle::Critical, title,
                  msg(read == RuleFile::ReadResult::Incompatible ? "RULEINCOMPATIBLE" : "OPENRULEINCOMPATIBLE"));
        return Reply::Failure;
    }
    if (!state_.rules.isEmpty()) {
        const QString answer = ui_.alert(AlertStyle::Warning, title,
                                         msg("RULEALREADYEXISTS").arg(lastPathComponent(path)), {kYes, kNo});
        // A pass may have started while the question was open.
        if (answer != kYes || state_.isExecuting.load())
            return Reply::Cancel;
    }
    state_.rules = steps;
    if (bringToFront)
        bringToFront();
    if (openRulesDrawer && Edition::current().hasRulesDrawer)
        openRulesDrawer();
    ui_.reloadRules(true);
    return Reply::Success;
}

OpenedDocuments::Reply OpenedDocuments::openProfileFile(const QString& path)
{
    if (!state_.currProfileFile.isEmpty()) {
        const QString answer = ui_.alert(AlertStyle::Warning, titled("PROFILESETTINGSFILETITLE"),
                                         msg("PROFILELOADMESSAGE").arg(lastPathComponent(path)), {kYes, kNo});
        if (answer != kYes || state_.isExecuting.load())
            return Reply::Cancel;
        if (state_.preferences.automaticSaveCurrProfile) {
            ui_.endEditing();
            // The current profile's changes would be lost if the load went on after a
            // failed save (the save has told the user why).
            if (saveCurrentProfile && !saveCurrentProfile())
                return Reply::Failure;
        }
    }
    if (bringToFront)
        bringToFront();
    return loadProfile && loadProfile(path) ? Reply::Success : Reply::Failure;
}

OpenedDocuments::Reply OpenedDocuments::scheduleLoad(const QStringList& paths)
{
    if (state_.isFolders())
        return Reply::Cancel;
    if (paths.isEmpty())
        return Reply::Failure;
    try {
        delayedCall_->schedule(kLoadDelay, [this, paths] {
            hasPending_ = false;
            loadFilesFromFinder(paths);
        });
        hasPending_ = true;
    } catch (...) {
        hasPending_ = false;
        qWarning().noquote() << QStringLiteral("Error in application:openFile : %1").arg(currentExceptionReason());
        return Reply::Failure;
    }
    return Reply::Success;
}

void OpenedDocuments::loadFilesFromFinder(const QStringList& paths)
{
    if (state_.isExecuting.load() || !loadFiles)
        return;
    loadFiles(paths);
}

bool OpenedDocuments::loadItems(const QStringList& paths)
{
    if (!Edition::current().hasServicesEntry || state_.isExecuting.load() || !loadFiles)
        return false;
    loadFiles(paths);
    return true;
}

void OpenedDocuments::startLoad(const QStringList& paths)
{
    Intake intake(state_, ui_);
    if (intake.loadFiles(paths, onLoadFinished) == Intake::LoadFilesResult::NeedsChoice && showChoice)
        showChoice(paths);
}
