// Live preview: the toolbar command, its options dialog and the one pending
// recomputation timer (0.4 s after the last settings change, 0.1 s after the options
// are confirmed).
#include "app/quorvelappcontroller.h"

#include "app/livepreviewdialog.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/skippedextensionsnote.h"
#include "engine/slashnote.h"
#include "platform/defaultsstore.h"
#include "platform/edition.h"
#include "platform/numbers.h"
#include "profiles/rulepreview.h"

namespace {
constexpr int kSettlingDelayMs = 400;
constexpr int kAfterEnablingMs = 100;
} // namespace

void QuorvelAppController::showLivePreview()
{
    if (!Edition::current().hasLivePreview)
        return;
    if (livePreview_.isLivePreviewEnabled) {
        livePreview_.isLivePreviewEnabled = false;
        DefaultsStore store;
        livePreview_.storeEnabled(store);
        window_->setLivePreviewImage(false);
        quickPreviewTimer_.stop();
        return;
    }
    showLivePreviewOptions();
}

void QuorvelAppController::showLivePreviewOptions()
{
    if (!Edition::current().hasLivePreview)
        return;
    auto* dialog = new LivePreviewDialog(livePreview_, window_.get());
    connect(dialog, &LivePreviewDialog::applied, this, &QuorvelAppController::applyLivePreview);
    connect(dialog, &QDialog::rejected, this, &QuorvelAppController::closeLivePreview);
    dialog->open();
}

void QuorvelAppController::applyLivePreview(bool allFiles, const QString& filesLimit)
{
    livePreview_.isLivePreviewEnabled = true;
    livePreview_.isLivePreviewAllFiles = allFiles;
    livePreview_.livePreviewFilesLimit = filesLimit;
    DefaultsStore store;
    livePreview_.store(store);
    window_->setLivePreviewImage(true);
    startQuickPreviewTimer(kAfterEnablingMs);
}

void QuorvelAppController::closeLivePreview()
{
    DefaultsStore store;
    livePreview_.restoreAllFiles(store);
}

void QuorvelAppController::restoreLivePreviewOptions()
{
    if (!Edition::current().hasLivePreview)
        return;
    DefaultsStore store;
    livePreview_.load(store);
    store.synchronize();
    window_->setLivePreviewImage(livePreview_.isLivePreviewEnabled);
}

void QuorvelAppController::settingsChanged(const QString&, const QVariant& oldValue, const QVariant& newValue)
{
    // The stored settings-changed flag is reset here; the recomputation itself follows
    // every key (settingsEdited).
    LivePreview::settingsChanged(state_, livePreview_, oldValue, newValue);
}

void QuorvelAppController::settingsEdited(const QString&)
{
    // A pass works on its own copy of the settings; what it writes back while it starts
    // or ends is not the user's change.
    if (state_.isExecuting.load())
        return;
    state_.isHasFilesForRenaming = false;
    window_->updateCommands();
    // A whole dictionary being applied is compared once, when it is done (settingsReplaced).
    if (!state_.isProfileLoading)
        showProfileChanges();
    // Values a profile load, a rule step or the recomputation itself writes do not
    // schedule one (a profile load schedules it once, as a whole).
    if (!state_.isProfileLoading)
        scheduleLivePreview();
}

void QuorvelAppController::rulesEdited()
{
    if (state_.isExecuting.load())
        return;
    state_.isHasFilesForRenaming = false;
    window_->updateCommands();
    scheduleLivePreview();
}

void QuorvelAppController::listEdited()
{
    if (state_.isExecuting.load())
        return;
    state_.isHasFilesForRenaming = false;
    window_->updateCommands();
    scheduleLivePreview();
}

void QuorvelAppController::settingsReplaced()
{
    if (state_.isExecuting.load())
        return;
    state_.isHasFilesForRenaming = false;
    showProfileChanges();
    scheduleLivePreview();
}

void QuorvelAppController::scheduleLivePreview()
{
    if (Edition::current().hasLivePreview && livePreview_.isLivePreviewEnabled && !state_.list.isEmpty())
        startQuickPreviewTimer(kSettlingDelayMs);
}

void QuorvelAppController::startQuickPreviewTimer(int milliseconds)
{
    // A new start replaces the pending one: a burst of changes gives one recomputation.
    quickPreviewTimer_.start(milliseconds);
}

void QuorvelAppController::quickPreviewTimerMethod()
{
    SlashNote::written = false;
    if (routesPreviewToRules()) {
        if (state_.isExecuting.load())
            return;
        quickPreviewRules();
    } else if (!LivePreview::timerFired(state_, livePreview_)) {
        return;
    }
    reloadTable();
    window_->showSettings(); // defaults the recomputation wrote back are shown
    tellSlashesWritten();
    SkippedExtensionsNote::show(*this);
}

void QuorvelAppController::quickPreviewRules()
{
    const int limit = livePreview_.isLivePreviewAllFiles ? 0 : intValue(livePreview_.livePreviewFilesLimit);
    QString error;
    RulePreview::quickPreviewRule(state_, state_.rules, limit, error);
}
