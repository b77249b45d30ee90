#include "undo/undoservice.h"

#include "engine/stringutilities.h"
#include "pipeline/controllerstate.h"
#include "pipeline/passrunner.h"
#include "pipeline/renamelogreader.h"
#include "pipeline/renamelogwriter.h"
#include "platform/filemanager.h"
#include "undo/journalrecovery.h"
#include "undo/listafterundo.h"
#include "undo/restorelastfirst.h"

#include <QDebug>
#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>

namespace {

// The log again with only the given entries (in log order), written atomically.
bool rewriteLog(const QString& path, const RenameLogContents& header, const QList<RenameLogEntry>& keep,
                QString* error)
{
    QByteArray text = RenameLogWriter::header(header.appversion.isEmpty() ? StringUtilities::appVersion()
                                                                          : header.appversion,
                                              header.type);
    bool written = !text.isEmpty();
    for (qsizetype i = 0; written && i < keep.size(); ++i)
        written = RenameLogWriter::writeEntry(text, keep.at(i));
    if (!written) {
        if (error)
            *error = QStringLiteral("the entries cannot be written as XML");
        return false;
    }
    text += RenameLogWriter::trailer();
    if (FileManager::writeFileAtomically(path, text, error))
        return true;
    qWarning().noquote() << QStringLiteral("Error in undoRenaming : the log %1 could not be rewritten").arg(path);
    return false;
}

} // namespace

UndoService::UndoService(ControllerState& state)
    : state_(state)
{
}

bool UndoService::deleteLog(const QString& path, QString* error)
{
    QString reason;
    if (FileManager::removeItem(path, &reason))
        return true;
    qWarning().noquote() << QStringLiteral("Error in deleteLogFile : %1").arg(reason);
    if (error)
        *error = reason;
    return false;
}

UndoOutcome UndoService::undoLog(const QString& path, const std::function<void(const UndoOutcome&)>& beforeMoves)
{
    UndoOutcome outcome;
    outcome.logFilePath = path;
    if (state_.isExecuting) {
        outcome.status = UndoOutcome::Status::Busy;
        return outcome;
    }
    // The entries are read now, not taken from the count in the name: a journal left by a
    // crashed apply is named with "#" yet holds every rename made before the crash.
    if (RenameLogReader::isLockedByRunningApply(path))
        return outcome;
    auto log = std::make_shared<RenameLogBackwards>(path);
    const RenameLogContents& contents = log->contents();
    if (!contents.ok)
        qWarning().noquote() << QStringLiteral("Error in readLogFile : %1").arg(contents.error);
    if (!contents.readable || (!contents.ok && log->entryCount() == 0)) {
        // Nothing could be read: the file may be all that is left of those renames, so it
        // is neither undone nor deleted.
        return outcome;
    }
    outcome.status = UndoOutcome::Status::Undone;
    outcome.parsedCleanly = contents.ok;

    // A journal left by an interrupted apply may end with moves announced and never made
    // (and a placeholder made for a move that was not): only the moves made are undone,
    // each only while its item is still the one moved.
    const bool isJournal = QFileInfo(path).fileName().contains(QLatin1Char('#'));
    qsizetype moves = log->entryCount();
    qsizetype items = log->itemCount();
    std::optional<RenameLogEntry> lastMade;
    if (isJournal) {
        JournalRecovery::Tail tail = JournalRecovery::findLastMade(*log);
        moves -= tail.movesNotMade;
        items -= tail.itemsNotMade;
        lastMade = std::move(tail.lastMade);
    }
    outcome.moves = int(moves);
    outcome.elements = int(items);
    if (moves == 0) {
        outcome.logDeleted = deleteLog(path, &outcome.deleteError);
        return outcome;
    }
    if (beforeMoves)
        beforeMoves(outcome);

    // The moves run on the worker thread while this thread keeps the window alive (the
    // spinner turns, the window repaints); the caller still gets the results when they are
    // done. The list's update is gathered only when there is a list.
    struct Work {
        UndoOutcome counts;
        QList<RenameLogEntry> keep; // last first
        std::unique_ptr<ListAfterUndo> list;
    };
    auto work = std::make_shared<Work>();
    if (!state_.list.isEmpty())
        work->list = std::make_unique<ListAfterUndo>();
    PassRunner::runAndWait(state_, [work, log, lastMade, moves, isJournal]() mutable {
        UndoOutcome& counts = work->counts;
        try {
            // Last rename first, so a chain a -> b -> c unwinds through b back to a, and a
            // swap made through a temporary name comes back through it.
            RestoreLastFirst::run(
                *log, std::move(lastMade), moves, isJournal,
                [&](const RenameLogEntry& entry, const LogRestore::RestoreResult& r) {
                    if (r.restored) {
                        ++counts.movesRestored;
                        counts.restored += RenameLogReader::isItem(entry) ? 1 : 0;
                    } else {
                        if (counts.notRestored.size() < UndoOutcome::kNamedNotRestored)
                            counts.notRestored.append(UndoEntryOutcome{r.from, r.to, false, r.reason});
                        if (r.isStillThere)
                            work->keep.append(entry);
                    }
                    if (work->list)
                        work->list->add(r.from, r.to, r.restored);
                });
        } catch (const std::exception& e) {
            qWarning().noquote() << QStringLiteral("Error in undoRenaming : %1").arg(QString::fromUtf8(e.what()));
        }
    });
    outcome.restored = work->counts.restored;
    outcome.movesRestored = work->counts.movesRestored;
    outcome.notRestored = std::move(work->counts.notRestored);

    // The list shows the names the items have again; what it proposed was for the old ones.
    if (work->list)
        work->list->apply(state_.list.files);
    state_.list.resetFilesDic();
    state_.isHasFilesForRenaming = false;

    // Moves whose items still stand under their new names stay on record: the log is
    // rewritten with just those, so nothing that could still be undone is forgotten.
    if (!work->keep.isEmpty()) {
        std::reverse(work->keep.begin(), work->keep.end());
        if (rewriteLog(path, contents, work->keep, &outcome.keepError)) {
            outcome.keptEntries = int(work->keep.size());
        } else {
            // The log as it was is kept whole: every entry stays on record.
            outcome.keptWhole = true;
            outcome.keptEntries = outcome.moves;
        }
    } else if (contents.ok) {
        outcome.logDeleted = deleteLog(path, &outcome.deleteError);
    }
    return outcome;
}
