// Live preview: the toolbar command, its options dialog and the one pending
// recomputation timer (0.4 s after the last settings change, 0.1 s after the options
// are confirmed).
#include "app/quorvelappcontroller.h"

#include "app/livepreviewdialog.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "platform/defaultsstore.h"
#include "platform/edition.h"

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
    if (LivePreview::settingsChanged(state_, livePreview_, oldValue, newValue) && Edition::current().hasLivePreview)
        startQuickPreviewTimer(kSettlingDelayMs);
}

void QuorvelAppController::startQuickPreviewTimer(int milliseconds)
{
    // A new start replaces the pending one: a burst of changes gives one recomputation.
    quickPreviewTimer_.start(milliseconds);
}

void QuorvelAppController::quickPreviewTimerMethod()
{
    if (!LivePreview::timerFired(state_, livePreview_))
        return;
    reloadTable();
    window_->showSettings(); // defaults the recomputation wrote back are shown
}
