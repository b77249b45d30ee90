#include "app/quorvelappcontroller.h"

#include "app/dialogs/dialogwiring.h"
#include "app/filetablemodel.h"
#include "app/filetableview.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/skippedextensionsnote.h"
#include "app/unixsignals.h"
#include "engine/slashnote.h"
#include "intake/intake.h"
#include "intake/openeddocuments.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/profilecommands.h"
#include "profiles/settingsloader.h"

#include <QHeaderView>

QuorvelAppController::QuorvelAppController(QObject* parent)
    : QObject(parent)
{
    window_ = std::make_unique<MainWindow>(*this);
    ui_ = std::make_unique<QtUserInterface>(*this, *window_);
    intake_ = std::make_unique<Intake>(state_, *ui_);
    loader_ = std::make_unique<SettingsLoader>(state_, *ui_);
    profiles_ = std::make_unique<ProfileCommands>(state_, *ui_, *loader_);
    loader_->onTabChanged = [this](int tab) { emit profileLoaded(tab); };
    loader_->saveCurrentProfile = [this] { return profiles_->saveProfile(); };
    profiles_->onDefaultsRestored = [this] { restoreLivePreviewOptions(); };

    quickPreviewTimer_.setSingleShot(true);
    connect(&quickPreviewTimer_, &QTimer::timeout, this, &QuorvelAppController::quickPreviewTimerMethod);
    state_.settings.setChangeObserver([this](const QString& key, const QVariant& oldValue, const QVariant& newValue) {
        settingsChanged(key, oldValue, newValue);
    });
    state_.settings.setEditObserver([this](const QString& key) { settingsEdited(key); });
    ui_->helpPageHandler = [this](const QString& page) { showHelpPage(page); };
    attachDialogs(*this);
}

QuorvelAppController::~QuorvelAppController()
{
    state_.settings.setChangeObserver(nullptr);
    state_.settings.setEditObserver(nullptr);
}

QMainWindow* QuorvelAppController::window()
{
    return window_.get();
}

void QuorvelAppController::passStarted()
{
    // A pass supersedes a pending live recomputation, which would otherwise clear the
    // statuses of a full preview right after it ended.
    quickPreviewTimer_.stop();
    SlashNote::written = false;
    window_->setExecuting(true);
    emit executingChanged(true);
}

void QuorvelAppController::passEnded()
{
    // Giving the list back to the model shows it as the pass left it: one reset.
    window_->model()->attach();
    window_->setExecuting(false);
    showListState();
    if (!applying_) {
        tellSlashesWritten();
        SkippedExtensionsNote::show(*this);
    }
    emit executingChanged(false);
}

void QuorvelAppController::tellSlashesWritten()
{
    // Once per preview: the names are shown with ":" where "/" was asked for.
    if (SlashNote::written.exchange(false))
        window_->showStatusMessage(msg("SLASHWRITTENASCOLON"));
}

QString QuorvelAppController::selectedCountText() const
{
    return msgN(state_.isFolders() ? "TOTALFOLDERSSELECTED" : "TOTALFILESSELECTED", state_.list.size());
}

void QuorvelAppController::reloadTable()
{
    window_->model()->reload();
    showListState();
}

void QuorvelAppController::showListState()
{
    if (state_.list.isEmpty()) {
        window_->table()->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        // The timing of the last pass spoke of items that are gone (a clear, a change of
        // scope, a profile with the other scope).
        window_->setTimeText(QString());
    }
    window_->setCountText(selectedCountText());
    window_->table()->viewport()->update();
    window_->updateCommands();
    emit listReloaded();
}

void QuorvelAppController::tableViewSelectionDidChange()
{
    if (state_.isExecuting.load())
        return;
    window_->updateCommands();
}
