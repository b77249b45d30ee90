#include "pipeline/previewdriver.h"

#include "engine/methodtab.h"
#include "pipeline/batchplan.h"
#include "pipeline/companiongroups.h"
#include "pipeline/controllerstate.h"
#include "pipeline/nameverdict.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "pipeline/previewchecks.h"
#include "pipeline/previewdispatch.h"
#include "platform/folderentries.h"
#include "platform/messages.h"
#include "platform/userinterface.h"

#include <memory>
#include <optional>

namespace {
constexpr int kListControlTag = 12000;
}

PreviewDriver::PreviewDriver(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

void PreviewDriver::cancelProcess(ControllerState& state)
{
    state.isCancelProcess = true;
}

bool PreviewDriver::actionPreview(std::function<void()> onFinished)
{
    if (state_.isExecuting.load())
        return false;
    if (state_.list.isEmpty()) {
        if (!ui_.isCalloutShown())
            ui_.showCallout(kListControlTag, QStringLiteral("NOITEMSTOPREVIEW"));
        return false;
    }
    ui_.hideCallout();
    ui_.endEditing();

    if (std::optional<PreviewCheckFailure> failure = PreviewChecks::checkAndFillDefaults(state_.settings)) {
        ui_.alert(AlertStyle::Warning, msg(failure->titleKey), failure->message());
        if (!failure->focusControl.isEmpty())
            ui_.focusControl(failure->focusControl);
        return false;
    }

    state_.isRulePreview = false;
    state_.isExecuting = true;
    ui_.passStarted(msg("GENERATINGPREVIEWPLEASEWAIT"));
    state_.startTime = ControllerState::now();
    state_.endTime = 0;

    auto settings = std::make_shared<Settings>(state_.settings.snapshot());
    auto progress = std::make_shared<PassProgress>(&ui_);
    auto error = std::make_shared<QString>();
    ControllerState* state = &state_;
    UserInterface* ui = &ui_;
    PassRunner::start(
        [state, settings, progress, error] { preview(*state, *settings, *progress, *error); },
        [state, ui, progress, error, onFinished] { endPreviewPass(*state, *ui, *progress, *error, onFinished); });
    return true;
}

void PreviewDriver::endPreviewPass(ControllerState& state, UserInterface& ui, PassProgress& progress,
                                   const QString& error, const std::function<void()>& onFinished)
{
    progress.flush();
    // The list is always reloaded so that the user never applies names not seen.
    ui.reloadList();
    state.isExecuting = false;
    ui.passEnded();
    ui.showTimeTaken(state.showLastActionTimeTaken(msg("PREVIEWTIME")));
    if (!error.isEmpty())
        ui.alert(AlertStyle::Warning, msg("PREVIEWTIME"), error);
    if (!state.namesNote.isEmpty())
        ui.showStatusMessage(state.namesNote);
    if (onFinished)
        onFinished();
}

bool PreviewDriver::preview(ControllerState& state, const Settings& settings, PassProgress& progress,
                            QString& error)
{
    state.isCancelProcess = false;
    state.isHasFilesForRenaming = false;
    state.photoSkips = {};

    PreviewDispatch dispatch(settings);
    const bool perFolder = dispatch.resetsPerFolder();
    if (perFolder)
        state.list.sortForFolderRuns();
    const bool keepImportedNames =
        MethodTab(settings.integer(QStringLiteral("selectedTab"))) == MethodTab::RenameFromList;

    QString lastFolder;
    bool result = false;
    size_t reached = 0;
    // Whether each item is still there and whether its new name is taken are answered from
    // the same entries: each folder that holds many items is listed once.
    FolderEntries disk;
    NameVerdicts names;
    // Companion files are grouped from the same listings, before any item is named.
    state.companions.clear();
    state.numberedNames = 0;
    std::optional<CompanionFinder> companions;
    if (settings.flag(QStringLiteral("isRenameCompanions")) && settings.flag(QStringLiteral("isFiles")))
        companions.emplace(state.list.files, disk, state.companions);
    const auto nameItem = [&](FileSystemItem& item) {
        if (!keepImportedNames)
            item.newFilename.clear();
        item.inode = disk.inodeAt(item.fullPath);
        if (item.inode == 0) {
            item.newFilename = item.kind() == ItemType::File ? Status::FileNotFound : Status::FolderNotFound;
        } else if (std::optional<bool> called = dispatch.call(item, error)) {
            result = *called;
        }
    };
    dispatch.readAhead(state.list.files);
    for (size_t i = 0; i < state.list.files.size(); ++i) {
        FileSystemItem& item = state.list.files[i];
        if (state.isCancelProcess.load())
            break;
        ++reached;
        if (perFolder) {
            const QString folder = item.fileLocation();
            if (folder != lastFolder) {
                lastFolder = folder;
                dispatch.resetCounters();
            }
        }
        progress.setPath(FileSystemItem::getDisplayFilePath(item.fullPath));
        // A group is named when its first member is reached; its other members are not
        // handed to the method again.
        if (companions && item.companionGroup >= 0)
            companions->nameGroupOf(i, nameItem);
        else
            nameItem(item);
        if (item.inode != 0)
            proposesNewName(item, names);
        if (state.isCancelProcess.load())
            break;
    }
    dispatch.stopReadingAhead();
    state.photoSkips = dispatch.skippedExtensions();
    // The proposed names are judged against the disk and against each other as a batch
    // (the items the loop reached).
    // The followers that are not listed get the name checks the listed items got: a name
    // their folder's drive refuses refuses their group with the judgement below.
    if (companions) {
        companions->finish();
        for (FileSystemItem& follower : state.companions.unlisted)
            proposesNewName(follower, names);
    }
    if (classifyWithCompanions(state, settings, reached, &disk))
        state.isHasFilesForRenaming = true;
    state.namesNote = names.summary();
    return result;
}
