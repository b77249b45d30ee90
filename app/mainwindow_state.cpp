#include "app/mainwindow.h"

#include "app/busypanel.h"
#include "app/filetablemodel.h"
#include "app/filetableview.h"
#include "app/quorvelappcontroller.h"
#include "app/rulebar.h"
#include "app/settingsbinder.h"
#include "app/themeicons.h"
#include "engine/methodtab.h"
#include "engine/settings.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>

QWidget* MainWindow::controlWithTag(int tag) const
{
    if (tag == 0)
        return nullptr;
    // The visible control first: several tabs use the same kind of field.
    QWidget* hidden = nullptr;
    for (QWidget* w : findChildren<QWidget*>()) {
        if (w->property("tag").toInt() != tag)
            continue;
        if (w->isVisibleTo(const_cast<MainWindow*>(this)))
            return w;
        if (!hidden)
            hidden = w;
    }
    return hidden;
}

QWidget* MainWindow::control(const QString& nameOrTag) const
{
    if (nameOrTag.isEmpty())
        return nullptr;
    if (QObject* bound = binder_->controlFor(nameOrTag)) {
        if (auto* w = qobject_cast<QWidget*>(bound))
            return w;
        if (auto* group = qobject_cast<QButtonGroup*>(bound))
            return group->checkedButton() ? group->checkedButton() : group->buttons().value(0);
    }
    if (QWidget* named = findChild<QWidget*>(nameOrTag))
        return named;
    bool isNumber = false;
    const int tag = nameOrTag.toInt(&isNumber);
    return isNumber ? controlWithTag(tag) : nullptr;
}

void MainWindow::setExecuting(bool executing)
{
    // The drivers show the busy panel just before or just after they set isExecuting.
    executing_ = executing;
    listStack_->setCurrentWidget(executing ? static_cast<QWidget*>(busy_) : static_cast<QWidget*>(table_));
    table_->setDropHintAllowed(!executing);
    tabs_->setEnabled(!executing);
    scopeBar_->setEnabled(!executing);
    table_->horizontalHeader()->setSectionsClickable(!executing);
    updateCommands();
}

bool MainWindow::isBusyPanelShown() const
{
    return listStack_->currentWidget() == busy_;
}

void MainWindow::updateCommands()
{
    const ControllerState& state = controller_.state();
    const bool executing = executing_ || state.isExecuting.load();
    const bool tab9 = MethodTab(state.selectedTab()) == MethodTab::RenameFromList;
    const QList<int> selected = table_->selectedRows();
    const int rows = model_->rowCount();
    const Actions& a = actions_;
    for (QAction* listCommand : {a.add, a.addFromFileManager, a.loadProfile, a.saveProfile, a.saveAsProfile,
                                 a.defaultSettings, a.lastSettings})
        listCommand->setEnabled(!executing);
    // Remove asks for a selection with a callout; on an empty list there is nothing to ask for.
    a.remove->setEnabled(!executing && rows > 0);
    a.clear->setEnabled(!executing && rows > 0);
    a.moveUp->setEnabled(!executing && !selected.isEmpty() && selected.first() > 0);
    a.moveDown->setEnabled(!executing && !selected.isEmpty() && selected.last() < rows - 1);
    a.preview->setEnabled(!executing && !tab9);
    previewGroup_->setEnabled(!executing && !tab9);
    a.apply->setEnabled(!executing && state.isHasFilesForRenaming.load());
    a.cancel->setEnabled(executing);
    a.livePreviewOptions->setEnabled(!executing);
    showRuleState();
}

void MainWindow::showRuleState()
{
    const int steps = int(controller_.state().rules.size());
    ruleBar_->showRule(controller_.isListDrivenByRule(), steps);
    if (rulesDrawerToggle_)
        rulesDrawerToggle_->setText(steps > 0 ? msgN("RULESDRAWERSTEPS", steps) : msg("Rules Drawer"));
}

void MainWindow::setRulesDrawerToggle(QAction* toggle)
{
    rulesDrawerToggle_ = toggle;
    showRuleState();
}

void MainWindow::showSettings()
{
    const ControllerState& state = controller_.state();
    {
        const QSignalBlocker block(tabs_);
        tabs_->setCurrentIndex(state.selectedTab());
    }
    binder_->refresh();
    updateCommands();
}

void MainWindow::setLivePreviewImage(bool enabled)
{
    actions_.livePreview->setIcon(
        QIcon(ThemeIcons::image(enabled ? QStringLiteral("preview48") : QStringLiteral("preview48_disabled"))));
    actions_.livePreview->setProperty("image", enabled ? QStringLiteral("preview48.png")
                                                       : QStringLiteral("preview48_disabled.png"));
}

void MainWindow::setCountText(const QString& text)
{
    count_->setText(text);
}

void MainWindow::setTimeText(const QString& text)
{
    time_->setText(text);
}

void MainWindow::showStatusMessage(const QString& text)
{
    constexpr int kShownMs = 8000;
    statusBar()->showMessage(text, kShownMs);
}

void MainWindow::setFlag(const QString& imageName, const QString& language)
{
    flag_->setPixmap(ThemeIcons::image(imageName));
    flag_->setProperty("image", imageName);
    flag_->setToolTip(QLocale(language).nativeLanguageName());
}
