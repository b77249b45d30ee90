#include "pipeline/livepreview.h"

#include "engine/methodtab.h"
#include "pipeline/batchplan.h"
#include "pipeline/controllerstate.h"
#include "pipeline/previewchecks.h"
#include "pipeline/previewdispatch.h"
#include "platform/defaultsstore.h"
#include "platform/edition.h"
#include "platform/numbers.h"

namespace {

const QString kEnabledKey = QStringLiteral("LIVEPREVIEW");
const QString kAllFilesKey = QStringLiteral("LIVEPREVIEWALLFILES");
const QString kFilesLimitKey = QStringLiteral("LIVEPREVIEWFILESLIMIT");

// Sets a flag for the length of a scope and then gives it back its earlier value (a
// timer may fire inside the event loop of an alert shown while a profile loads).
class FlagScope {
public:
    explicit FlagScope(bool& flag)
        : flag_(flag)
        , before_(flag)
    {
        flag_ = true;
    }
    ~FlagScope() { flag_ = before_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    const bool before_;
};

} // namespace

void LivePreviewOptions::load(DefaultsStore& store)
{
    if (store.contains(kEnabledKey) && store.contains(kAllFilesKey) && store.contains(kFilesLimitKey)) {
        isLivePreviewEnabled = store.value(kEnabledKey).toBool();
        isLivePreviewAllFiles = store.value(kAllFilesKey).toBool();
        livePreviewFilesLimit = store.value(kFilesLimitKey).toString();
        return;
    }
    store.setValue(kEnabledKey, isLivePreviewEnabled);
    store.setValue(kAllFilesKey, isLivePreviewAllFiles);
    store.setValue(kFilesLimitKey, livePreviewFilesLimit);
}

bool LivePreviewOptions::store(DefaultsStore& store) const
{
    store.setValue(kEnabledKey, isLivePreviewEnabled);
    store.setValue(kAllFilesKey, isLivePreviewAllFiles);
    store.setValue(kFilesLimitKey, livePreviewFilesLimit);
    return store.synchronize();
}

bool LivePreviewOptions::storeEnabled(DefaultsStore& store) const
{
    store.setValue(kEnabledKey, isLivePreviewEnabled);
    return store.synchronize();
}

void LivePreviewOptions::restoreAllFiles(const DefaultsStore& store)
{
    if (store.contains(kAllFilesKey))
        isLivePreviewAllFiles = store.value(kAllFilesKey).toBool();
}

bool LivePreview::shouldSchedule(const ControllerState& state, const LivePreviewOptions& options,
                                 const QVariant& oldValue, const QVariant& newValue)
{
    return !state.list.isEmpty() && !state.isProfileLoading && options.isLivePreviewEnabled
        && oldValue.isValid() && newValue.isValid();
}

bool LivePreview::settingsChanged(ControllerState& state, const LivePreviewOptions& options,
                                  const QVariant& oldValue, const QVariant& newValue)
{
    const bool schedule = shouldSchedule(state, options, oldValue, newValue);
    state.settings.setSettingsChanged(false);
    return schedule;
}

bool LivePreview::quickPreview(ControllerState& state, const LivePreviewOptions& options, QString& error)
{
    // Every proposed name goes, imported ones included. With them goes anything to
    // rename, also when a check stops the recomputation below.
    for (FileSystemItem& item : state.list.files)
        item.newFilename.clear();
    state.isHasFilesForRenaming = false;
    state.photoSkips = {};

    if (std::optional<PreviewCheckFailure> failure = PreviewChecks::checkAndFillDefaults(state.settings)) {
        // An invalid regular expression stays as typed (its error shows under the field).
        if (!failure->offendingKey.isEmpty())
            state.settings.setText(failure->offendingKey, QString());
        return true;
    }

    state.isCancelProcess = false;

    PreviewDispatch dispatch(state.settings);
    const bool perFolder = dispatch.resetsPerFolder();
    if (perFolder)
        state.list.sortForFolderRuns();
    const int limit = options.isLivePreviewAllFiles ? 0 : intValue(options.livePreviewFilesLimit);

    QString lastFolder;
    bool result = MethodTab(state.selectedTab()) == MethodTab::RenameFromList;
    int processed = 0;
    for (FileSystemItem& item : state.list.files) {
        if (state.isCancelProcess.load())
            break;
        if (perFolder) {
            const QString folder = item.fileLocation();
            if (folder != lastFolder) {
                lastFolder = folder;
                dispatch.resetCounters();
            }
        }
        if (std::optional<bool> called = dispatch.call(item, error))
            result = *called;
        // A limit of 0 or less is never reached: every item is processed.
        if (++processed == limit) {
            state.isCancelProcess = true;
            break;
        }
    }
    state.photoSkips = dispatch.skippedExtensions();
    // Names computed twice in one folder are shown as such (the disk is not consulted).
    if (Edition::current().judgesBatchAsWhole)
        markDuplicateNames(state.list.files, size_t(processed));
    return result;
}

bool LivePreview::timerFired(ControllerState& state, const LivePreviewOptions& options, QString* error)
{
    if (state.isExecuting.load())
        return false;
    QString runError;
    {
        const FlagScope loading(state.isProfileLoading);
        quickPreview(state, options, runError);
    }
    if (error)
        *error = runError;
    return true;
}
