#include "app/mainwindow.h"

#include "app/busypanel.h"
#include "app/filetablemodel.h"
#include "app/filetableview.h"
#include "app/listsortcommands.h"
#include "app/quorvelappcontroller.h"
#include "app/rulebar.h"
#include "app/settingsbinder.h"
#include "app/tabs/methodtabs.h"
#include "app/themeicons.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

MainWindow::MainWindow(QuorvelAppController& controller)
    : controller_(controller)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(ThemeIcons::image(QStringLiteral("quorvel")));
    setUnifiedTitleAndToolBarOnMac(true);
    binder_ = new SettingsBinder(controller_.state().settings, this);

    createActions();
    createMenus();
    createToolBar();

    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("listTabsSplitter"));
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(createListPane());
    splitter_->addWidget(createMethodPane());
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    setCentralWidget(splitter_);
    createStatusBar();
    connectBinder();
    // The method pane is as tall as its tallest tab needs, so no tab scrolls; the list
    // takes the rest of the height and whatever the window gains.
    splitter_->setSizes({600, methodPaneHeight()});
    resize(1280, 900);
}

MainWindow::~MainWindow()
{
    // The docked drawer is hidden while the QWidget part of this window is destroyed; its
    // signals must not reach this window's slots by then.
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        disconnect(dock, nullptr, this, nullptr);
}

QWidget* MainWindow::createListPane()
{
    auto* pane = new QWidget(this);

    // The scope of the list: files or folders, with or without subfolders.
    scopeBar_ = new QWidget(pane);
    scopeBar_->setObjectName(QStringLiteral("scopeBar"));
    auto* scope = new QHBoxLayout(scopeBar_);
    scope->setContentsMargins(0, 0, 0, 0);
    auto* scopeGroup = new QButtonGroup(scopeBar_);
    scopeGroup->setObjectName(QStringLiteral("fileFolderIndex"));
    auto* files = new QRadioButton(msg("SCOPEFILES"), scopeBar_);
    auto* folders = new QRadioButton(msg("SCOPEFOLDERS"), scopeBar_);
    files->setObjectName(QStringLiteral("fileFolderIndex_0"));
    folders->setObjectName(QStringLiteral("fileFolderIndex_1"));
    files->setToolTip(msg("TIPSCOPEFILES"));
    folders->setToolTip(msg("TIPSCOPEFOLDERS"));
    scopeGroup->addButton(files, 0);
    scopeGroup->addButton(folders, 1);
    auto* subfolders = new QCheckBox(msg("INCLUDESUBFOLDERS"), scopeBar_);
    subfolders->setObjectName(QStringLiteral("isIncludeSubFolders"));
    subfolders->setToolTip(msg("TIPINCLUDESUBFOLDERS"));
    scope->addWidget(new QLabel(msg("SCOPERENAME"), scopeBar_));
    scope->addWidget(files);
    scope->addWidget(folders);
    scope->addSpacing(16);
    scope->addWidget(subfolders);
    if (Edition::current().hasExtendedMethods)
        addListNamingOptions(scope);
    scope->addStretch(1);

    table_ = new FileTableView(pane);
    table_->setObjectName(QStringLiteral("fileTable"));
    // A few rows stay in sight however small the window gets.
    table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * 4 + 30);
    model_ = new FileTableModel(controller_.state(), this);
    table_->setModel(model_);
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, 34);
    header->resizeSection(1, 260);
    header->resizeSection(2, 260);
    header->resizeSection(3, 320);
    table_->setColumnHidden(FileTableModel::columnOf(QStringLiteral("fileType")), true);
    // Date Taken, Date Modified and Size: shown from the header's context menu.
    table_->setOptionalColumns({FileTableModel::columnOf(QStringLiteral("dateTaken")),
                                FileTableModel::columnOf(QStringLiteral("dateModified")),
                                FileTableModel::columnOf(QStringLiteral("fileSize"))});
    table_->setToolTip(msg("TIPFILELIST"));
    // Keys of the list: Ctrl+Up / Ctrl+Down move, Delete removes.
    table_->addAction(actions_.moveUp);
    table_->addAction(actions_.moveDown);
    table_->addAction(actions_.remove);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);

    busy_ = new BusyPanel(pane);
    connect(busy_->cancelButton(), &QPushButton::clicked, actions_.cancel, &QAction::trigger);
    listStack_ = new QStackedWidget(pane);
    listStack_->addWidget(table_);
    listStack_->addWidget(busy_);

    // The count line lives in the status bar, as file managers show it (createStatusBar).
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("totalNosOfFiles"));

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(scopeBar_);
    layout->addWidget(listStack_, 1);
    return pane;
}

// Beside the list's scope: companion files renamed with their item, and names used twice
// numbered (with the separator before the number).
void MainWindow::addListNamingOptions(QHBoxLayout* scope)
{
    auto* companions = new QCheckBox(msg("COMPANIONSCHECKBOX"), scopeBar_);
    companions->setObjectName(QStringLiteral("isRenameCompanions"));
    companions->setToolTip(msg("COMPANIONSCHECKBOXTIP"));
    auto* numbering = new QCheckBox(msg("NUMBERDUPLICATESCHECKBOX"), scopeBar_);
    numbering->setObjectName(QStringLiteral("isNumberNamesUsedTwice"));
    numbering->setToolTip(msg("NUMBERDUPLICATESTIP"));
    auto* separatorLabel = new QLabel(msg("NUMBERSEPARATORLABEL"), scopeBar_);
    auto* separator = new QLineEdit(scopeBar_);
    separator->setObjectName(QStringLiteral("namesUsedTwiceSeparator"));
    separator->setProperty("enabledWhen", QStringLiteral("isNumberNamesUsedTwice"));
    separator->setMaximumWidth(48);
    // As tall as the check boxes: the bar keeps its height, and the list its rows.
    separator->setFixedHeight(numbering->sizeHint().height());
    separatorLabel->setBuddy(separator);
    // Long labels take their whole width where the bar has room, and shrink (cut short,
    // never below a few letters) with a narrow window rather than widen it.
    for (QWidget* box : {static_cast<QWidget*>(companions), static_cast<QWidget*>(numbering)})
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 8);
    scope->addSpacing(16);
    scope->addWidget(companions);
    scope->addSpacing(16);
    scope->addWidget(numbering);
    scope->addWidget(separatorLabel);
    scope->addWidget(separator);
}

QWidget* MainWindow::createMethodPane()
{
    auto* pane = new QWidget(this);
    tabs_ = new QTabWidget(pane);
    tabs_->setObjectName(QStringLiteral("methodTabs"));
    tabs_->setUsesScrollButtons(true);
    tabs_->setDocumentMode(false);
    using Make = QWidget* (*)(QuorvelAppController&);
    static const Make kTabs[MethodTabs::kCount] = {
        MethodTabs::sequenceTab,  MethodTabs::insertDeleteTab, MethodTabs::replaceRemoveTab,
        MethodTabs::prefixSuffixTab, MethodTabs::dateTimeTab, MethodTabs::generalTab,
        MethodTabs::audioTab,     MethodTabs::photoTab,        MethodTabs::pathComponentsTab,
        MethodTabs::renameFromListTab};
    for (int i = 0; i < MethodTabs::kCount; ++i) {
        QWidget* page = kTabs[i](controller_);
        page->setObjectName(QStringLiteral("methodTab%1").arg(i));
        // "&" in a title is a mnemonic marker: "Date & Time" shows its ampersand.
        tabs_->addTab(page, msg(MethodTabs::titleKey(i)).replace(QLatin1Char('&'), QStringLiteral("&&")));
    }

    auto* help = new QPushButton(ThemeIcons::icon({"help-contents", "help-browser"}, "help-contents"), QString(), pane);
    help->setObjectName(QStringLiteral("tabHelpButton"));
    help->setToolTip(msg("TIPTABHELP"));
    help->setFlat(true);
    connect(help, &QPushButton::clicked, actions_.help, &QAction::trigger);

    previewGroup_ = new QWidget(pane);
    previewGroup_->setObjectName(QStringLiteral("previewGroup"));
    previewGroup_->setProperty("tag", 15000);
    auto* previewLayout = new QHBoxLayout(previewGroup_);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    auto* preview = new QPushButton(actions_.preview->icon(), msg("ACTIONPREVIEW"), previewGroup_);
    preview->setObjectName(QStringLiteral("previewButton"));
    preview->setToolTip(actions_.preview->toolTip());
    connect(preview, &QPushButton::clicked, actions_.preview, &QAction::trigger);
    previewLayout->addWidget(preview);

    auto* apply = new QPushButton(actions_.apply->icon(), msg("ACTIONAPPLY"), pane);
    apply->setObjectName(QStringLiteral("applyButton"));
    apply->setToolTip(actions_.apply->toolTip());
    connect(apply, &QPushButton::clicked, actions_.apply, &QAction::trigger);
    connect(actions_.apply, &QAction::enabledChanged, apply, &QPushButton::setEnabled);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch(1);
    buttons->addWidget(previewGroup_);
    buttons->addWidget(apply);

    ruleBar_ = new RuleBar(pane);
    connect(ruleBar_, &RuleBar::showRuleClicked, &controller_, &QuorvelAppController::showRule);
    connect(ruleBar_, &RuleBar::useTabClicked, &controller_, &QuorvelAppController::useTabInstead);

    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(6, 0, 6, 6);
    layout->addWidget(ruleBar_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    // At the smallest window the options keep room to work in (a tab scrolls inside it).
    tabs_->setMinimumSize(560, 190);
    return pane;
}

int MainWindow::methodPaneHeight() const
{
    int tallest = 0;
    for (int tab = 0; tab < tabs_->count(); ++tab) {
        QWidget* page = tabs_->widget(tab);
        const auto* area = qobject_cast<const QScrollArea*>(page);
        const QWidget* content = area && area->widget() ? area->widget() : page;
        tallest = std::max(tallest, content->sizeHint().height());
    }
    QWidget* pane = tabs_->parentWidget();
    // The tab bar and frame, then the buttons below and the pane's margins.
    const int tabsChrome = tabs_->tabBar()->sizeHint().height() + 2 * tabs_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 4;
    return tallest + tabsChrome + pane->sizeHint().height() - tabs_->sizeHint().height();
}

void MainWindow::createStatusBar()
{
    statusBar()->addWidget(count_);
    time_ = new QLabel(this);
    time_->setObjectName(QStringLiteral("lastActionTimeTaken"));
    statusBar()->addWidget(time_, 1);
    // The language flag is kept for the controller (its picture follows the language of
    // the texts) but not shown: the texts follow the desktop session's language, which
    // nothing in the window can change, so a flag there would only invite a click that
    // does nothing.
    flag_ = new QLabel(this);
    flag_->setObjectName(QStringLiteral("languageFlag"));
    flag_->setProperty("tag", 1000);
    flag_->hide();
}

void MainWindow::connectBinder()
{
    binder_->setGroupHandler(QStringLiteral("fileFolderIndex"),
                             [this](int id) { controller_.filesFoldersOptionChanged(id); });
    binder_->bind(scopeBar_);
    binder_->bind(tabs_);
    binder_->onUserChange = [this](const QString&) { updateCommands(); };
    connect(tabs_, &QTabWidget::currentChanged, &controller_, &QuorvelAppController::actionChanged);
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, &controller_,
            &QuorvelAppController::tableViewSelectionDidChange);
    connect(model_, &QAbstractItemModel::modelReset, &controller_, &QuorvelAppController::tableViewSelectionDidChange);
    model_->onDropPaths = [this](const QStringList& paths) { controller_.tableViewAcceptDrop(paths); };
    model_->onSorted = [this] { controller_.listEdited(); };
    model_->onSortByFacts = [this](const ListSort& sort) { ListSortCommands::sort(controller_, sort); };
    table_->onColumnShown = [this](int column) {
        if (const std::optional<ListSort> facts = FileTableModel::factsSort(column))
            ListSortCommands::readForColumn(controller_, *facts);
    };
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window is the Quit command: a running pass is cancelled and finished,
    // then the termination steps run.
    controller_.quit();
    // A quit that first waits for an open dialog to close finishes later and closes
    // the window itself.
    if (controller_.hasTerminated())
        event->accept();
    else
        event->ignore();
}
