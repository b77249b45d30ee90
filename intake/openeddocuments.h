#pragma once

#include "intake/delayedcall.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

struct ControllerState;
class UserInterface;

// Documents opened with the program (its command line, a second launch's hand-off, a file
// manager): a single rule file replaces the rules, a single profile file becomes the
// current profile, anything else is added to the file list after a short delay that folds
// a burst of requests into one. Also the services entry ("Add to Quorvel"). Runs on the
// main thread; every entry refuses while a pass is executing.
class OpenedDocuments {
public:
    // What the list form tells the platform.
    enum class Reply { Success, Cancel, Failure };
    enum class DocumentType { Rule, Profile, Other };

    // The delay of the files load, in milliseconds.
    static constexpr int kLoadDelay = 500;

    // delayedCall: the timer of the delayed load (a QTimer one by default).
    OpenedDocuments(ControllerState& state, UserInterface& ui,
                    std::unique_ptr<DelayedCall> delayedCall = nullptr);
    ~OpenedDocuments();
    OpenedDocuments(const OpenedDocuments&) = delete;
    OpenedDocuments& operator=(const OpenedDocuments&) = delete;

    // What the window provides; each may be left unset.
    std::function<void()> bringToFront;    // raise and activate the main window
    std::function<void()> openRulesDrawer; // show the rules drawer if it is hidden
    // Hands paths to the file list. The default runs Intake::loadFiles and, when a folder
    // is among the paths, calls showChoice; the window may put its own loadFiles here.
    std::function<void(const QStringList& paths)> loadFiles;
    // For the default loadFiles: a folder is among the paths, the window shows the
    // files-or-folders choice with them (Intake::PasteboardItemsControllerDidFinish takes
    // its result).
    std::function<void(const QStringList& paths)> showChoice;
    // For the default loadFiles: runs on the main thread after the load has ended.
    std::function<void()> onLoadFinished;
    // Loads a profile as the current one (default: SettingsLoader::setCurrentSettings).
    // True when it was loaded.
    std::function<bool(const QString& path)> loadProfile;
    // Saves the current profile (default: ProfileCommands::saveProfile). True on success.
    std::function<bool()> saveCurrentProfile;

    // application:openFiles: a list of documents. Cancel while a pass runs (or when the
    // documents were declined or ignored), Failure for an empty list or a refused file.
    Reply applicationOpenFiles(const QStringList& paths);
    // application:openFile: one document; always handled.
    void applicationOpenFile(const QString& path);
    // The delayed load firing: ignored while a pass runs, otherwise loadFiles.
    void loadFilesFromFinder(const QStringList& paths);
    // The services entry (loadItems): the paths go to loadFiles at once. Nothing while a
    // pass runs or in an edition without the entry; true when the paths were handed on.
    bool loadItems(const QStringList& paths);

    // A load is waiting for its delay.
    bool hasPendingLoad() const { return hasPending_; }

    // The type behind the name's extension ("qvrule", "qvprofile", any letter case); a
    // folder is never a rule or profile document.
    static DocumentType documentType(const QString& path);

private:
    Reply openOne(const QString& path);
    Reply openRuleFile(const QString& path);
    Reply openProfileFile(const QString& path);
    Reply scheduleLoad(const QStringList& paths);
    void startLoad(const QStringList& paths);
    QString titled(const char* key) const;

    ControllerState& state_;
    UserInterface& ui_;
    std::unique_ptr<DelayedCall> delayedCall_;
    bool hasPending_ = false;
};
