#pragma once

#include <QMainWindow>

class BusyPanel;
class FileTableModel;
class FileTableView;
class QAction;
class QButtonGroup;
class QCloseEvent;
class QHBoxLayout;
class QLabel;
class QMenu;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QToolBar;
class QuorvelAppController;
class RuleBar;
class SettingsBinder;

// The main window: menu bar and toolbar, the file list (with the busy panel stacked over
// it) above a resizable split, the ten method tabs below it with the Preview and Apply
// buttons, and a status line with the timing message and the language flag. The window
// only shows state; every command goes to the controller.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QuorvelAppController& controller);
    ~MainWindow() override;

    // The commands of the menus, the toolbar and the list's keys.
    struct Actions {
        QAction* add = nullptr;
        QAction* addFromFileManager = nullptr;
        QAction* clear = nullptr;
        QAction* remove = nullptr;
        QAction* moveUp = nullptr;
        QAction* moveDown = nullptr;
        QAction* preview = nullptr;
        QAction* apply = nullptr;
        QAction* cancel = nullptr;
        QAction* livePreview = nullptr;
        QAction* livePreviewOptions = nullptr;
        QAction* loadProfile = nullptr;
        QAction* saveProfile = nullptr;
        QAction* saveAsProfile = nullptr;
        QAction* defaultSettings = nullptr;
        QAction* lastSettings = nullptr;
        QAction* showLogs = nullptr;
        QAction* help = nullptr;
        QAction* about = nullptr;
        QAction* quit = nullptr;
    };
    const Actions& actions() const { return actions_; }

    // Menus other windows add their commands to.
    QMenu* fileMenu() const { return fileMenu_; }
    QMenu* editMenu() const { return editMenu_; }
    QMenu* renameMenu() const { return renameMenu_; }
    QMenu* rulesMenu() const { return rulesMenu_; }
    QMenu* toolsMenu() const { return toolsMenu_; }
    QMenu* helpMenu() const { return helpMenu_; }
    QToolBar* toolBar() const { return toolBar_; }

    FileTableView* table() const { return table_; }
    FileTableModel* model() const { return model_; }
    BusyPanel* busyPanel() const { return busy_; }
    QTabWidget* methodTabs() const { return tabs_; }
    RuleBar* ruleBar() const { return ruleBar_; }
    // The command that shows and hides the rules drawer: its text carries the number of
    // steps, so a step added with the drawer closed is seen.
    void setRulesDrawerToggle(QAction* toggle);
    QSplitter* splitter() const { return splitter_; }
    QLabel* countLabel() const { return count_; }
    QLabel* timeLabel() const { return time_; }
    QLabel* flagView() const { return flag_; }
    QWidget* previewGroup() const { return previewGroup_; }
    SettingsBinder& binder() const { return *binder_; }

    // The control with this "tag" property, or named so (a settings key or a tag as text).
    QWidget* controlWithTag(int tag) const;
    QWidget* control(const QString& nameOrTag) const;

    // A pass started or ended: the busy panel in place of the list, the tabs and the list
    // commands disabled, Cancel enabled.
    void setExecuting(bool executing);
    bool isBusyPanelShown() const;
    // The enabled state of every command from the controller's state.
    void updateCommands();
    // The settings record shown again: every bound control, the method tab, the Preview
    // group.
    void showSettings();
    // The live preview command's picture ("preview48" when on).
    void setLivePreviewImage(bool enabled);
    void setCountText(const QString& text);
    void setTimeText(const QString& text);
    // A confirmation shown in the status bar for a few seconds.
    void showStatusMessage(const QString& text);
    void setFlag(const QString& imageName, const QString& language);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    QWidget* createListPane();
    void addListNamingOptions(QHBoxLayout* scope);
    QWidget* createMethodPane();
    void createStatusBar();
    void connectBinder();
    // The rule bar and the drawer command's step count.
    void showRuleState();
    // The height the method pane needs to show its tallest tab without scrolling.
    int methodPaneHeight() const;

    QuorvelAppController& controller_;
    Actions actions_;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* renameMenu_ = nullptr;
    QMenu* rulesMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QSplitter* splitter_ = nullptr;
    QStackedWidget* listStack_ = nullptr;
    FileTableView* table_ = nullptr;
    FileTableModel* model_ = nullptr;
    BusyPanel* busy_ = nullptr;
    QWidget* scopeBar_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    RuleBar* ruleBar_ = nullptr;
    QAction* rulesDrawerToggle_ = nullptr;
    QWidget* previewGroup_ = nullptr;
    QLabel* count_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* flag_ = nullptr;
    SettingsBinder* binder_ = nullptr;
    bool executing_ = false;
};
