#include "app/mainwindow.h"

#include "app/quorvelappcontroller.h"
#include "app/themeicons.h"
#include "platform/edition.h"
#include "platform/messages.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

namespace {

QAction* makeAction(QObject* parent, const char* name, const char* textKey, const char* tipKey, const QIcon& icon,
                    const QKeySequence& shortcut = QKeySequence())
{
    auto* action = new QAction(icon, msg(textKey), parent);
    action->setObjectName(QString::fromLatin1(name));
    if (tipKey) {
        const QString tip = msg(tipKey);
        action->setToolTip(shortcut.isEmpty() ? tip
                                              : QStringLiteral("%1 (%2)").arg(tip, shortcut.toString(QKeySequence::NativeText)));
        action->setStatusTip(tip);
    }
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    return action;
}

} // namespace

void MainWindow::createActions()
{
    QuorvelAppController* c = &controller_;
    Actions& a = actions_;
    a.add = makeAction(this, "addFilesFolders", "ACTIONADD", "TIPADD",
                       ThemeIcons::icon({"list-add"}, "list-add"), QKeySequence::Open);
    a.addFromFileManager = makeAction(this, "addFilesFoldersFromFinder", "ACTIONADDFROMFILEMANAGER",
                                      "TIPADDFROMFILEMANAGER", ThemeIcons::icon({"edit-paste"}, "edit-paste"),
                                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    a.clear = makeAction(this, "clearFilesFolders", "ACTIONCLEAR", "TIPCLEAR",
                         ThemeIcons::icon({"edit-clear-list", "edit-clear-all", "edit-clear"}, "edit-clear-list"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    a.remove = makeAction(this, "RemoveFiles", "ACTIONREMOVE", "TIPREMOVE",
                          ThemeIcons::icon({"list-remove"}, "list-remove"), QKeySequence(Qt::Key_Delete));
    a.moveUp = makeAction(this, "moveUp", "ACTIONMOVEUP", "TIPMOVEUP", ThemeIcons::icon({"go-up", "arrow-up"}, "go-up"),
                          QKeySequence(Qt::CTRL | Qt::Key_Up));
    a.moveDown = makeAction(this, "moveDown", "ACTIONMOVEDOWN", "TIPMOVEDOWN",
                            ThemeIcons::icon({"go-down", "arrow-down"}, "go-down"), QKeySequence(Qt::CTRL | Qt::Key_Down));
    // The list's keys only act while the list has the focus (Delete edits text elsewhere).
    for (QAction* listKey : {a.remove, a.moveUp, a.moveDown})
        listKey->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    a.preview = makeAction(this, "actionPreview", "ACTIONPREVIEW", "TIPPREVIEW",
                           ThemeIcons::icon({"document-preview", "view-preview", "edit-find"}, "document-preview"),
                           QKeySequence(Qt::Key_F5));
    a.apply = makeAction(this, "actionApply", "ACTIONAPPLY", "TIPAPPLY",
                         ThemeIcons::icon({"dialog-ok-apply", "dialog-ok", "object-select"}, "dialog-ok-apply"),
                         QKeySequence(Qt::CTRL | Qt::Key_Return));
    a.cancel = makeAction(this, "cancelProcess", "ACTIONCANCEL", "TIPCANCEL",
                          ThemeIcons::icon({"process-stop"}, "process-stop"), QKeySequence(Qt::Key_Escape));
    a.livePreview = makeAction(this, "showLivePreview", "ACTIONLIVEPREVIEW", "TIPLIVEPREVIEW",
                               QIcon(ThemeIcons::image(QStringLiteral("preview48_disabled"))),
                               QKeySequence(Qt::CTRL | Qt::Key_L));
    a.livePreviewOptions = makeAction(this, "livePreviewOptions", "ACTIONLIVEPREVIEWOPTIONS", nullptr, QIcon());
    a.loadProfile = makeAction(this, "loadProfile", "ACTIONLOADPROFILE", "TIPLOADPROFILE",
                               ThemeIcons::icon({"document-open"}, "document-open"),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    a.saveProfile = makeAction(this, "saveProfile", "ACTIONSAVEPROFILE", "TIPSAVEPROFILE",
                               ThemeIcons::icon({"document-save"}, "document-save"), QKeySequence::Save);
    a.saveAsProfile = makeAction(this, "saveAsProfile", "ACTIONSAVEASPROFILE", nullptr,
                                 ThemeIcons::icon({"document-save-as"}, "document-save-as"), QKeySequence::SaveAs);
    a.defaultSettings = makeAction(this, "loadEmptyProfile", "ACTIONDEFAULTSETTINGS", "TIPDEFAULTSETTINGS",
                                   ThemeIcons::icon({"document-revert", "edit-undo"}, "document-revert"));
    a.lastSettings = makeAction(this, "loadDefaultProfile", "ACTIONLASTSETTINGS", "TIPLASTSETTINGS", QIcon());
    a.showLogs = makeAction(this, "showLogsFolder", "ACTIONSHOWLOGS", nullptr, QIcon());
    a.help = makeAction(this, "showTabHelp", "ACTIONHELP", "TIPTABHELP",
                        ThemeIcons::icon({"help-contents", "help-browser"}, "help-contents"), QKeySequence::HelpContents);
    a.about = makeAction(this, "about", "ACTIONABOUT", nullptr, QIcon());
    a.quit = makeAction(this, "quit", "ACTIONQUIT", nullptr, ThemeIcons::icon({"application-exit"}, "application-exit"),
                        QKeySequence::Quit);
    a.quit->setMenuRole(QAction::QuitRole);

    connect(a.add, &QAction::triggered, c, &QuorvelAppController::addFilesFolders);
    connect(a.addFromFileManager, &QAction::triggered, c, &QuorvelAppController::addFilesFoldersFromFinder);
    connect(a.clear, &QAction::triggered, c, &QuorvelAppController::clearFilesFolders);
    connect(a.remove, &QAction::triggered, c, &QuorvelAppController::RemoveFiles);
    connect(a.moveUp, &QAction::triggered, c, &QuorvelAppController::moveUp);
    connect(a.moveDown, &QAction::triggered, c, &QuorvelAppController::moveDown);
    connect(a.preview, &QAction::triggered, c, &QuorvelAppController::actionPreview);
    connect(a.apply, &QAction::triggered, c, &QuorvelAppController::actionApply);
    connect(a.cancel, &QAction::triggered, c, &QuorvelAppController::cancelProcess);
    connect(a.livePreview, &QAction::triggered, c, &QuorvelAppController::showLivePreview);
    connect(a.livePreviewOptions, &QAction::triggered, c, &QuorvelAppController::showLivePreviewOptions);
    connect(a.loadProfile, &QAction::triggered, c, &QuorvelAppController::loadProfile);
    connect(a.saveProfile, &QAction::triggered, c, &QuorvelAppController::saveProfile);
    connect(a.saveAsProfile, &QAction::triggered, c, &QuorvelAppController::saveAsProfile);
    connect(a.defaultSettings, &QAction::triggered, c, &QuorvelAppController::loadEmptyProfile);
    connect(a.lastSettings, &QAction::triggered, c, &QuorvelAppController::loadDefaultProfile);
    connect(a.showLogs, &QAction::triggered, c, &QuorvelAppController::showLogsFolder);
    connect(a.help, &QAction::triggered, c, &QuorvelAppController::showTabHelp);
    connect(a.about, &QAction::triggered, this, [this] {
        const Edition& edition = Edition::current();
        QMessageBox::about(this, msg("ACTIONABOUT"),
                           QStringLiteral("<b>%1 %2</b><p>%3</p><p>%4</p><p>%5</p>")
                               .arg(edition.displayName, edition.version, msg("ABOUTTEXT"), msg("ABOUTLICENCE"),
                                    msg("ABOUTIPTCCREDIT")));
    });
    // The command asks about a changed profile; triggered's "checked" is not that answer.
    connect(a.quit, &QAction::triggered, c, [c] { c->quit(); });

    const Edition& edition = Edition::current();
    a.addFromFileManager->setVisible(edition.hasFileManagerSelection);
    a.livePreview->setVisible(edition.hasLivePreview);
    a.livePreviewOptions->setVisible(edition.hasLivePreview);
    a.lastSettings->setVisible(edition.keepsStateBetweenLaunches);
}

void MainWindow::createMenus()
{
    const Actions& a = actions_;
    fileMenu_ = menuBar()->addMenu(msg("MENUFILE"));
    fileMenu_->setObjectName(QStringLiteral("fileMenu"));
    fileMenu_->addAction(a.add);
    fileMenu_->addAction(a.addFromFileManager);
    fileMenu_->addSeparator();
    fileMenu_->addAction(a.loadProfile);
    fileMenu_->addAction(a.saveProfile);
    fileMenu_->addAction(a.saveAsProfile);
    fileMenu_->addAction(a.defaultSettings);
    fileMenu_->addAction(a.lastSettings);
    fileMenu_->addSeparator();
    fileMenu_->addAction(a.quit);

    editMenu_ = menuBar()->addMenu(msg("MENUEDIT"));
    editMenu_->setObjectName(QStringLiteral("editMenu"));
    editMenu_->addAction(a.remove);
    editMenu_->addAction(a.clear);
    editMenu_->addSeparator();
    editMenu_->addAction(a.moveUp);
    editMenu_->addAction(a.moveDown);

    renameMenu_ = menuBar()->addMenu(msg("MENURENAME"));
    renameMenu_->setObjectName(QStringLiteral("renameMenu"));
    renameMenu_->addAction(a.preview);
    renameMenu_->addAction(a.apply);
    renameMenu_->addAction(a.cancel);
    renameMenu_->addSeparator();
    renameMenu_->addAction(a.livePreview);
    renameMenu_->addAction(a.livePreviewOptions);

    rulesMenu_ = menuBar()->addMenu(msg("MENURULES"));
    rulesMenu_->setObjectName(QStringLiteral("rulesMenu"));

    toolsMenu_ = menuBar()->addMenu(msg("MENUTOOLS"));
    toolsMenu_->setObjectName(QStringLiteral("toolsMenu"));
    toolsMenu_->addAction(a.showLogs);

    helpMenu_ = menuBar()->addMenu(msg("MENUHELP"));
    helpMenu_->setObjectName(QStringLiteral("helpMenu"));
    helpMenu_->addAction(a.help);
    helpMenu_->addSeparator();
    helpMenu_->addAction(a.about);
}

void MainWindow::createToolBar()
{
    const Actions& a = actions_;
    toolBar_ = addToolBar(msg("TOOLBAR"));
    toolBar_->setObjectName(QStringLiteral("mainToolBar"));
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->addAction(a.add);
    toolBar_->addAction(a.addFromFileManager);
    toolBar_->addAction(a.remove);
    toolBar_->addAction(a.clear);
    toolBar_->addSeparator();
    toolBar_->addAction(a.moveUp);
    toolBar_->addAction(a.moveDown);
    toolBar_->addSeparator();
    toolBar_->addAction(a.preview);
    toolBar_->addAction(a.apply);
    toolBar_->addAction(a.cancel);
    toolBar_->addAction(a.livePreview);
    toolBar_->addSeparator();
    toolBar_->addAction(a.help);
}
