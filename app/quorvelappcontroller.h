#pragma once

#include "app/profilechanges.h"
#include "metadata/metadatacatalogue.h"
#include "pipeline/controllerstate.h"
#include "pipeline/livepreview.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>

struct ApplyOutcome;
class Intake;
class MainWindow;
class MetaDataField;
class OpenedDocuments;
class ProfileCommands;
class QDockWidget;
class QMainWindow;
class QtUserInterface;
class SettingsLoader;
class SingleInstance;
class UnixSignals;
struct PasteboardItemsController;

// The application controller: the state the program owns for its whole life and the
// operations of the window, each a short forwarder to the subsystem that does the work
// (PreviewDriver, ApplyDriver, Intake, SettingsLoader, ProfileCommands, LaunchState,
// RulePreview, MaskCommands, LivePreview ...). Its operations are grouped by concern:
// quorvelappcontroller_actions.cpp (list and pass commands), _intake.cpp (paths
// entering the list), _masks.cpp (photo and audio masks, extension lists, rename from
// list), _profiles.cpp, _livepreview.cpp, _logs.cpp and _applicationutilities.cpp
// (start-up, termination, title, help).
//
// Every entry point that changes the list, the settings or the rules, or starts a pass,
// does nothing while a pass is executing.
class QuorvelAppController : public QObject {
    Q_OBJECT
public:
    explicit QuorvelAppController(QObject* parent = nullptr);
    ~QuorvelAppController() override;

    ControllerState& state() { return state_; }
    QtUserInterface& ui() { return *ui_; }
    QMainWindow* window();
    MainWindow& mainWindow() { return *window_; }
    Intake& intake() { return *intake_; }
    SettingsLoader& settingsLoader() { return *loader_; }
    ProfileCommands& profileCommands() { return *profiles_; }
    MetaDataCatalogue& metaDataList() { return metaDataList_; }
    LivePreviewOptions& livePreviewOptions() { return livePreview_; }

    // The rules drawer, made by whoever builds it (nullptr until then). While it is shown
    // and the rules hold a step, Preview runs the rules.
    QPointer<QDockWidget> rulesDrawer;

    // --- Application utilities (start-up, termination) -------------------------------
    // The start-up sequence: data folders (a failure shows "APPLICATIONINITTITLE" and
    // returns false: the program must end), defaults, preferences, the last profile or
    // settings and the rule chain, the live preview options, the title and the flag.
    bool startUp();
    // The termination steps: editing ended, the current profile saved when wanted,
    // "DEFAULTS", "LASTPROFILE" and "LASTRULE" stored. Runs once.
    void applicationShouldTerminate();
    // Quit, the window's close, SIGTERM and SIGINT: a running pass is cancelled and
    // waited for (so an apply finishes its log), then the termination steps run and the
    // event loop ends.
    // A quit asked for by the user (the Quit command, the window's close) first offers to
    // save a current profile whose settings were changed, unless it is saved
    // automatically; Cancel keeps the program open. askToSave false (SIGTERM, SIGINT, the
    // end of the desktop session) never asks.
    void quit(bool askToSave = true);
    bool hasTerminated() const { return terminated_; }
    // The settings differ from the current profile as loaded or last saved.
    bool isProfileChanged() const { return profileChanged_; }
    // SIGTERM and SIGINT quit as the Quit command does.
    void quitOnTerminationSignals();
    void updateWindowTitle();
    // The flag picture of the first preferred language ("French_Flag" ...).
    static QString flagImageName(const QString& language);
    // Help for the selected tab: the page of its method.
    void showTabHelp();
    static QString helpPage(int tab);
    // Shows a help page by name ("ChooseItems.html") with helpViewer.
    void showHelpPage(const QString& page);
    // The help window, set by whoever provides it.
    std::function<void(const QString& page)> helpViewer;

    // --- Actions: passes ---------------------------------------------------------------
    void actionPreview();
    void actionApply();
    void cancelProcess();
    // The method tab changed (the user picked it).
    void actionChanged(int tab);

    // --- The rule chain or the tab ------------------------------------------------------
    // The rule chain gives the list its names: Preview and the live preview run it (the
    // drawer is open and holds a step), or the names shown and Rename come from a rule
    // preview. The bar above the tabs says so.
    bool isListDrivenByRule() const;
    // The bar's "Show Rule": the drawer opens.
    void showRule();
    // The bar's "Use the Tab Instead": the drawer closes and keeps its steps; names a rule
    // gave are withdrawn, and the live preview runs the tab.
    void useTabInstead();
    // A step was added to the chain: the status bar says so with the count of steps.
    void stepAdded();

    // --- Actions: the list -------------------------------------------------------------
    void RemoveFiles();
    void clearFilesFolders();
    void moveUp();
    void moveDown();
    void tableViewSelectionDidChange();
    // The list's contents changed: model, count line, drop hint, commands.
    void reloadTable();
    // The count line with "TOTALFILESSELECTED" / "TOTALFOLDERSSELECTED".
    QString selectedCountText() const;

    // --- Intake ------------------------------------------------------------------------
    void addFilesFolders();
    // Paths dropped on the list: a run in the current scope.
    void tableViewAcceptDrop(const QStringList& paths);
    // "Add from file manager": the paths copied in a file manager (the clipboard).
    void addFilesFoldersFromFinder();
    // Paths from outside (file manager selection, services entry, opened documents): a
    // folder among them opens the choice dialog (when the edition has it).
    void loadFiles(const QStringList& paths);
    void PasteboardItemsControllerDidFinish(const PasteboardItemsController& choice);
    // The files/folders radio: the scope changes and the list is emptied.
    void filesFoldersOptionChanged(int tag);

    // --- Photo and audio masks, extension lists, rename from list ----------------------
    void photoRenamingMaskEditor();
    void photoExtensionEditor();
    void id3ExtensionEditor();
    // The quick photo mask commands, by number: 0 date, 1 time, 2 device make, 3 device
    // model, 4 dimensions, 5 file name.
    void photoRenamingMaskQuick(int command);
    void photoRenamingMaskClear();
    void id3RenamingMaskActions(int menuTag);
    void id3RenamingMaskClear();
    void PhotoRenamingMaskEditorControllerDidFinish(const QList<MetaDataField>& metadataFields);
    void ExtensionsEditorControllerDidFinish(const QStringList& extensions, int itemType);
    void browseRenameFile();
    void loadRenameFile();
    void importTypeChanged(int tag);

    // --- Profiles ----------------------------------------------------------------------
    void saveProfile();
    void saveAsProfile();
    void loadProfile();
    void loadEmptyProfile();
    void loadDefaultProfile();

    // --- Live preview ------------------------------------------------------------------
    // The toolbar command: off when on; the options dialog when off.
    void showLivePreview();
    // The options dialog, whether live preview is on or off (the menu command).
    void showLivePreviewOptions();
    // The options dialog's confirm and cancel.
    void applyLivePreview(bool allFiles, const QString& filesLimit);
    void closeLivePreview();
    // The pending recomputation (at most one).
    QTimer& quickPreviewTimer() { return quickPreviewTimer_; }
    void quickPreviewTimerMethod();

    // --- What the table shows ----------------------------------------------------------
    // Rename acts on the names the table shows, so every change of what a preview was
    // computed from (any settings key, the tab, the list, the rule chain, the profile)
    // withdraws Rename until the next full preview, and the live preview follows it.
    void rulesEdited();
    void listEdited();
    // The settings were replaced as a whole (a profile, the defaults, the last session's
    // settings, a rule step, an editor's result): the live preview runs once on the tab
    // now selected, since the names shown were computed from other settings.
    void settingsReplaced();

    // --- Logs --------------------------------------------------------------------------
    void showLogsFolder();

    // --- Opened documents, one instance (quorvelappcontroller_documents.cpp) ------------
    // Serves the requests of later launches, then opens this launch's own documents
    // (arguments as QCoreApplication::arguments() gives them).
    void startSingleInstance(const QStringList& arguments);
    OpenedDocuments& openedDocuments();
    void bringToFront();

signals:
    // A pass started or ended (the rules drawer saves or restores its controls).
    void executingChanged(bool executing);
    // The user picked another method tab (the drawer's tabChanged).
    void methodTabChanged(int tab);
    // A profile was loaded or the settings reset (the drawer's profileLoaded).
    void profileLoaded(int tab);
    // The rules changed as a whole (the drawer reloads).
    void rulesReloaded(bool selectTopRow);
    // The list was redrawn as a whole (after a pass, a load, a clear).
    void listReloaded();

private:
    friend class QtUserInterface;
    void passStarted();
    void passEnded();
    // The status bar says once when the last preview wrote a "/" of a name as ":".
    void tellSlashesWritten();
    void settingsChanged(const QString& key, const QVariant& oldValue, const QVariant& newValue);
    void settingsEdited(const QString& key);
    // The end of an apply: what it did, told in the window.
    void applyFinished(const ApplyOutcome& outcome);
    // Names only, over the rule chain, as the drawer's Preview would run it.
    void quickPreviewRules();
    void scheduleLivePreview();
    void startQuickPreviewTimer(int milliseconds);
    void afterIntake();
    bool routesPreviewToRules() const;
    void showMovedRows(const QList<int>& rows);
    // The count line, the sort indicator and the commands after the list changed.
    void showListState();
    void openExtensionEditor(int itemType);
    void restoreLivePreviewOptions();
    // A profile was loaded, saved or reset: its settings are remembered and the title shown.
    void profileShown();
    // The title follows whether the settings still are the profile's.
    void showProfileChanges();
    // Before a quit the user asked for: false when the user chose to stay.
    bool offerToSaveChangedProfile();

    ControllerState state_;
    MetaDataCatalogue metaDataList_;
    LivePreviewOptions livePreview_;
    QTimer quickPreviewTimer_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<QtUserInterface> ui_;
    std::unique_ptr<Intake> intake_;
    std::unique_ptr<SettingsLoader> loader_;
    std::unique_ptr<ProfileCommands> profiles_;
    std::unique_ptr<UnixSignals> signals_;
    QString lastAddFolder_;
    ProfileChanges profileChanges_;
    bool profileChanged_ = false;
    bool applying_ = false; // the pass running is an apply
    bool terminated_ = false;
    bool quitting_ = false;
    void holdRequestsWhileModal();
    SingleInstance* instance_ = nullptr;
    // Last: it uses the state and the user interface above.
    std::unique_ptr<OpenedDocuments> documents_;
};
