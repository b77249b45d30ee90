#pragma once

#include "engine/methodtab.h"
#include "intake/filerenameitem.h"
#include "intake/pasteboarditemscontroller.h"

#include <QStringList>

#include <functional>
#include <optional>

struct ControllerState;
class PassProgress;
class Settings;
class UserInterface;

// What the scan reads of the settings, taken on the main thread when a run starts so
// that the worker never reads the live record.
struct IntakeScope {
    bool isFiles = true;              // files scope; folders scope otherwise
    bool isIncludeSubFolders = true;
    MethodTab selectedTab = MethodTab::Sequences;

    static IntakeScope fromSettings(const Settings& settings);
};

// Fills the file list: the scan of files and folders, the runs that carry it to a
// background thread, paths from outside the window and the intake of a parsed rename
// list. Entry points run on the main thread and refuse while a pass is executing.
class Intake {
public:
    enum class LoadFilesResult {
        Started,     // a run was started in files scope
        NeedsChoice, // a folder is among the paths: the window asks files or folders
        NotStarted,  // a pass is executing, or there was nothing to add
    };

    Intake(ControllerState& state, UserInterface& ui);

    // The scan with the current settings, run at once on the main thread (the command
    // line and tests; the window uses addFiles). Returns true when the run so far has
    // accepted at least one item (searchFilesCount > 0).
    bool addFilesToList(const QStringList& paths);
    // The scan itself: depth first, each folder's items in natural order, with an explicit
    // stack so that very deep trees cannot exhaust the thread's stack. Appends to
    // state.list. In files scope without subfolders a given folder brings only the files
    // at its top. skippedFolders, when given, counts the folders met in that scope.
    static bool addFilesToList(ControllerState& state, const IntakeScope& scope,
                               const QStringList& paths, PassProgress& progress, int* skippedFolders = nullptr);

    // One intake run on a background thread. False (nothing started) while a pass is
    // executing. onFinished runs on the main thread after the run has ended.
    bool addFiles(const QStringList& paths, std::function<void()> onFinished = {});

    // Paths from outside the window: when one of them is a folder the choice is needed
    // (the window shows it with these paths); otherwise the list goes to files scope
    // (cleared first when it held folders) and a run starts.
    LoadFilesResult loadFiles(const QStringList& paths, std::function<void()> onFinished = {});

    // The choice's result: clears the list when the scope changes, takes the chosen scope
    // and subfolder setting, then starts a run with the waiting paths.
    bool PasteboardItemsControllerDidFinish(const PasteboardItemsController& choice,
                                            std::function<void()> onFinished = {});

    // The intake of a parsed rename list on a background thread (nothing to import: the
    // run only opens and closes). isHasFilesForRenaming keeps what the import gave it.
    bool importFiles(std::optional<FileRenameItem> list, std::function<void()> onFinished = {});
    // The import itself, run where it is called.
    static void importFilesToList(ControllerState& state, const FileRenameItem& list,
                                  PassProgress& progress);

    // Empties the list; false while a pass is executing.
    bool clearFilesFolders();
    // The window's files/folders radio: scope from the tag, then the list is emptied.
    bool filesFoldersOptionChanged(int tag);
    // The Cancel command: the scan stops before its next path or directory entry.
    static void cancelProcess(ControllerState& state);

private:
    void beginRun(const QString& progressMessage);

    ControllerState& state_;
    UserInterface& ui_;
};
