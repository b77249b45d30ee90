// The list and pass commands of the window.
#include "app/quorvelappcontroller.h"

#include "app/filetableview.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "engine/methodtab.h"
#include "intake/intake.h"
#include "pipeline/applydriver.h"
#include "pipeline/applyoutcome.h"
#include "pipeline/previewdriver.h"
#include "engine/filesystemitem.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/rulepreview.h"

#include <QDockWidget>
#include <QHeaderView>

namespace {
constexpr int kListControlTag = 12000;
constexpr int kRulePreviewDelayMs = 500;
} // namespace

bool QuorvelAppController::routesPreviewToRules() const
{
    // The drawer's own shown state, not whether the window is on screen now.
    return Edition::current().hasRulesDrawer && rulesDrawer && !rulesDrawer->isHidden() && !state_.rules.isEmpty();
}

bool QuorvelAppController::isListDrivenByRule() const
{
    if (!Edition::current().hasRulesDrawer)
        return false;
    return routesPreviewToRules() || (state_.isRulePreview && state_.isHasFilesForRenaming.load());
}

void QuorvelAppController::showRule()
{
    if (!rulesDrawer)
        return;
    rulesDrawer->show();
    rulesDrawer->raise();
    window_->updateCommands();
}

void QuorvelAppController::useTabInstead()
{
    if (state_.isExecuting.load())
        return;
    const bool ruleNamesShown =
        state_.isRulePreview || (routesPreviewToRules() && livePreview_.isLivePreviewEnabled);
    if (rulesDrawer)
        rulesDrawer->hide(); // its steps stay
    if (ruleNamesShown) {
        // The names shown are the rule's: Rename must not apply them under the tab.
        state_.isRulePreview = false;
        for (FileSystemItem& item : state_.list.files)
            item.newFilename.clear();
        reloadTable();
        window_->showStatusMessage(msg("RULEBARTABINUSE"));
        listEdited();
        return;
    }
    window_->updateCommands();
}

void QuorvelAppController::stepAdded()
{
    window_->showStatusMessage(msgN("RULESTEPADDED", state_.rules.size()));
    window_->updateCommands();
}

void QuorvelAppController::actionPreview()
{
    if (state_.isExecuting.load() || MethodTab(state_.selectedTab()) == MethodTab::RenameFromList)
        return;
    if (routesPreviewToRules()) {
        QTimer::singleShot(kRulePreviewDelayMs, this, [this] {
            if (!state_.isExecuting.load())
                RulePreview(state_, *ui_).actionPreviewRule();
        });
        return;
    }
    PreviewDriver(state_, *ui_).actionPreview();
}

void QuorvelAppController::actionApply()
{
    if (state_.isExecuting.load() || !state_.isHasFilesForRenaming.load())
        return;
    if (ApplyDriver(state_, *ui_).refusesOptionsPreviewWouldRefuse())
        return;
    const QString answer = ui_->alert(AlertStyle::Informational, msg("ITEMRENAMINGTITLE"),
                                      applyConfirmation(state_.list.files, state_.companions.unlisted),
                                      {QStringLiteral("YES"), QStringLiteral("NO")});
    if (answer != QLatin1String("YES"))
        return;
    state_.isCancelProcess = false;
    applying_ = true;
    applying_ = ApplyDriver(state_, *ui_).doApply([this](const ApplyOutcome& outcome) { applyFinished(outcome); });
    window_->updateCommands();
}

void QuorvelAppController::applyFinished(const ApplyOutcome& outcome)
{
    applying_ = false;
    window_->updateCommands();
    // The user expected every name shown: refusals at the moment of the rename are told in
    // an alert with the outcome line the status bar shows.
    if (outcome.refusedCount() > 0)
        ui_->alert(AlertStyle::Warning, msg("ITEMRENAMINGTITLE"), outcome.summary());
}

void QuorvelAppController::cancelProcess()
{
    PreviewDriver::cancelProcess(state_);
}

void QuorvelAppController::actionChanged(int tab)
{
    if (state_.isExecuting.load()) {
        window_->showSettings(); // the tab stays where the pass found it
        return;
    }
    state_.settings.setInteger(QStringLiteral("selectedTab"), tab);
    state_.settings.clearRenameFile();
    state_.isHasFilesForRenaming = false;
    window_->showSettings();
    emit methodTabChanged(tab);
}

void QuorvelAppController::RemoveFiles()
{
    if (state_.isExecuting.load())
        return;
    FileTableView* table = window_->table();
    const QList<int> rows = table->selectedRows();
    if (rows.isEmpty()) {
        if (!ui_->isCalloutShown())
            ui_->showCallout(kListControlTag, QStringLiteral("NOITEMSTOREMOVE"));
        return;
    }
    ui_->hideCallout();
    state_.list.removeRows(rows);
    reloadTable();
    listEdited();
    table->setFocus(Qt::OtherFocusReason);
}

void QuorvelAppController::clearFilesFolders()
{
    if (!intake_->clearFilesFolders())
        return;
    window_->setTimeText(QString());
}

void QuorvelAppController::moveUp()
{
    if (state_.isExecuting.load())
        return;
    const QList<int> rows = window_->table()->selectedRows();
    if (rows.isEmpty() || rows.first() == 0)
        return;
    showMovedRows(state_.list.moveUp(rows));
}

void QuorvelAppController::moveDown()
{
    if (state_.isExecuting.load())
        return;
    const QList<int> rows = window_->table()->selectedRows();
    if (rows.isEmpty() || rows.last() >= state_.list.size() - 1)
        return;
    showMovedRows(state_.list.moveDown(rows));
}

void QuorvelAppController::showMovedRows(const QList<int>& rows)
{
    // The order is now the user's: no column sort is shown.
    FileTableView* table = window_->table();
    table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    reloadTable();
    table->selectRows(rows);
    if (!rows.isEmpty())
        table->scrollTo(table->model()->index(rows.last(), 1));
    table->setFocus(Qt::OtherFocusReason);
    listEdited();
}

void QuorvelAppController::filesFoldersOptionChanged(int tag)
{
    if (!intake_->filesFoldersOptionChanged(tag))
        window_->showSettings(); // refused during a pass: the radio shows the scope again
}
