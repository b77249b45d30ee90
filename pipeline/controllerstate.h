#pragma once

#include "engine/filelist.h"
#include "engine/settings.h"
#include "metadata/skippedextensions.h"
#include "pipeline/companiongroups.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <atomic>

// The program's folder preferences (kept in "preferences.plist" of the data folder).
struct Preferences {
    QString defaultLogFolderPath;
    QString defaultProfileFolderPath;
    QString defaultRulesFolderPath;
    bool automaticSaveCurrProfile = false;
    // "Rename shifts and swaps in one go": a target another item of the batch moves away
    // from counts as free. Off: such an item is refused, as every taken target is.
    bool renameChainsInOneGo = true;
};

// The state the application controller owns, shared by the window, the command line and
// the tests: the file list, the settings record, the rule chain, the current profile,
// the preferences and the run flags. While isExecuting is set a background pass owns the
// list; nothing on the main thread may touch it.
struct ControllerState {
    FileList list;
    Settings settings;
    QList<QVariantMap> rules;
    QString currProfileFile;
    Preferences preferences;

    std::atomic<bool> isExecuting{false};
    std::atomic<bool> isCancelProcess{false};
    std::atomic<bool> isHasFilesForRenaming{false};
    bool isRulePreview = false;
    bool isProfileLoading = false;

    double startTime = 0;
    double endTime = 0;
    QString lastActionTimeTaken;
    // Set by each preview (full, live, rule): the photos it left unnamed for their extension.
    SkippedExtensions photoSkips;
    // Set by each full preview: the companion groups it named (none unless companion files
    // rename with their item), and how many names it numbered instead of refusing them.
    Companions companions;
    int numberedNames = 0;
    QString currLogFile;
    int importType = 0;
    int searchFilesCount = 0;
    // What the last pass has to say about names besides the statuses, shown once at its
    // end (the window's status bar, the command line's stderr): the first proposed name a
    // folder cannot hold and how many more, or the first name an intake left out.
    QString namesNote;
    // The items the last intake run left out because their names are not UTF-8 (they
    // cannot be renamed safely yet): how many, and the first of them, escaped.
    struct LeftOut {
        static constexpr int kPathsKept = 100;
        int count = 0;
        QStringList paths; // "/folder/caf\xE9.txt", at most kPathsKept
    } leftOutAtIntake;

    bool isFiles() const { return settings.flag(QStringLiteral("isFiles")); }
    bool isFolders() const { return settings.flag(QStringLiteral("isFolders")); }
    int selectedTab() const { return settings.integer(QStringLiteral("selectedTab")); }

    // Seconds since 1970, as startTime and endTime hold them.
    static double now();
    // Ends the timing of the last action: endTime := now and lastActionTimeTaken := the
    // "TIMETAKEN" text with the label and the time elapsed ("Preview in 0.4 s").
    QString showLastActionTimeTaken(const QString& label);
};
