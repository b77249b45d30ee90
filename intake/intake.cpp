#include "intake/intake.h"

#include "engine/filename.h"
#include "engine/filescomparison.h"
#include "engine/settings.h"
#include "intake/foundcounter.h"
#include "intake/exceptionreason.h"
#include "intake/intakepath.h"
#include "pipeline/batchplan.h"
#include "pipeline/controllerstate.h"
#include "pipeline/nameverdict.h"
#include "pipeline/passprogress.h"
#include "pipeline/passrunner.h"
#include "platform/folderentries.h"
#include "platform/filemanager.h"
#include "platform/messages.h"
#include "platform/rawnames.h"
#include "platform/userinterface.h"
#include "platform/utf16scan.h"

#include <QDebug>
#include <QSet>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <memory>
#include <utility>
#include <vector>

namespace {

// The flags are looked at first: a file needs no look at the disk.
bool isDescendableFolder(const FileSystemItem& item)
{
    return item.isFolder && !item.isPackageAtpath && !item.isAlias && item.isPathExists();
}

// Appends an item that is not listed yet; counts it and updates the found label. An
// entry of a folder in which nothing was listed before (fresh) needs no check.
bool accept(ControllerState& state, const IntakeScope& scope, FileSystemItem& item,
            FoundCounter& counter, bool fresh)
{
    if (scope.selectedTab == MethodTab::RenameFromList)
        item.newFilename = Status::NoChanges;
    if (fresh)
        state.list.appendFreshEntry(std::move(item));
    else if (!state.list.append(std::move(item)))
        return false; // listed already
    ++state.searchFilesCount;
    counter.found(state.searchFilesCount);
    return true;
}

// One directory being walked: the folder and its entries in natural order, or, for the
// bottom frame, the paths the run was given.
struct Frame {
    QString folder;
    QStringList paths;                                // the bottom frame
    std::vector<FileManager::DirectoryEntry> entries; // a folder's frame
    size_t next = 0;
    bool isTop = false;
    bool isFresh = false; // nothing was listed in the folder before its walk
    // The folder's names that are not UTF-8, read when the first of them is met.
    std::optional<std::vector<RawNames::Name>> undecodable;

    size_t size() const { return isTop ? size_t(paths.size()) : entries.size(); }
};

// A folder's entries in natural order (file2 before file10), whatever order the file
// system lists them in: one sort of the names already read, no further look at the disk.
Frame folderFrame(const QString& folder, FileList& list)
{
    std::vector<FileManager::DirectoryEntry> entries = FileManager::directoryEntries(folder);
    list.reserveFor(entries.size());
    const bool fresh = list.beginFreshFolder(folder);
    // Sorted by keys made once per name (compareFiles' order, code units breaking ties), all
    // kept in one buffer; eight bytes of each, as a number, settle most comparisons.
    struct Key {
        quint64 head;
        quint32 offset;
        quint32 length;
        size_t entry;
    };
    std::string buffer;
    std::vector<Key> keys;
    keys.reserve(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        const size_t offset = buffer.size();
        appendNaturalSortKey(buffer, entries[i].name());
        keys.push_back(Key{0, quint32(offset), quint32(buffer.size() - offset), i});
    }
    // The heads start after what every key of the folder shares (report_0001, report_0002 ...).
    size_t shared = keys.empty() ? 0 : keys.front().length;
    for (const Key& key : keys) {
        const char* first = buffer.data() + keys.front().offset;
        const char* own = buffer.data() + key.offset;
        shared = std::min<size_t>(shared, key.length);
        size_t same = 0;
        while (same < shared && first[same] == own[same])
            ++same;
        shared = same;
    }
    for (Key& key : keys) {
        unsigned char head[8] = {};
        std::memcpy(head, buffer.data() + key.offset + shared, std::min<size_t>(8, key.length - shared));
        for (const unsigned char byte : head)
            key.head = key.head << 8 | byte;
    }
    std::sort(keys.begin(), keys.end(), [&entries, &buffer](const Key& a, const Key& b) {
        if (a.head != b.head)
            return a.head < b.head;
        const int c = std::string_view(buffer.data() + a.offset, a.length)
                          .compare(std::string_view(buffer.data() + b.offset, b.length));
        if (c != 0)
            return c < 0;
        return entries[a.entry].name() < entries[b.entry].name();
    });
    std::vector<FileManager::DirectoryEntry> sorted;
    sorted.reserve(entries.size());
    for (const Key& key : keys)
        sorted.push_back(std::move(entries[key.entry]));
    return Frame{folder, {}, std::move(sorted), 0, false, fresh};
}

// An item whose name is not UTF-8 is left out (it could be neither renamed nor logged
// faithfully yet): logged by its path as a person reads it, and counted.
void leaveOut(ControllerState& state, const QString& shownPath)
{
    qWarning().noquote() << QStringLiteral("addFilesToList Error : %1")
                                .arg(QStringLiteral("\"%1\" cannot be renamed safely yet: its name is not UTF-8")
                                         .arg(shownPath));
    ControllerState::LeftOut& leftOut = state.leftOutAtIntake;
    if (leftOut.count++ < ControllerState::LeftOut::kPathsKept)
        leftOut.paths << shownPath;
}

// The count of items found, with those left out: "3 files found, 1 refused (Name Not
// UTF-8: 1)".
QString foundText(const ControllerState& state, const char* foundKey)
{
    const QString found = msgN(foundKey, state.searchFilesCount);
    const int leftOut = state.leftOutAtIntake.count;
    if (leftOut == 0)
        return found;
    return msgN("OUTCOMEREFUSED", leftOut)
        .arg(found, msg("OUTCOMEREASON").arg(msg("REFUSEDNAMENOTUTF8"), QString::number(leftOut)));
}

// The item of a path the run was given, or nothing when it is refused.
std::optional<FileSystemItem> givenItem(ControllerState& state, const QString& given)
{
    std::optional<QString> path = IntakePath::normalized(given);
    if (!path) {
        // The bytes of a given path are gone by now: its decoded form is shown.
        if (!given.isEmpty())
            leaveOut(state, FileSystemItem::getDisplayFilePath(given));
        return std::nullopt;
    }
    return FileSystemItem::initWithPath(*path);
}

// The folder's path is already faithful, so the entry's name decides: its bytes must come
// back unchanged from the decoded name (and a replacement character in it must name what
// is there).
bool isFaithfulEntry(const FileManager::DirectoryEntry& entry)
{
    return entry.isAscii
        || (entry.isExactName
            && (!entry.name().contains(QChar(QChar::ReplacementCharacter)) || IntakePath::isFaithful(entry.path)));
}

// Leaves out an entry whose name is not UTF-8, named by its bytes: the first of the
// folder's such names not yet told of that decodes as this one does.
void leaveOutEntry(ControllerState& state, Frame& frame, const FileManager::DirectoryEntry& entry)
{
    if (!frame.undecodable)
        frame.undecodable = RawNames::undecodableNamesIn(frame.folder);
    std::vector<RawNames::Name>& names = *frame.undecodable;
    const auto it = std::find_if(names.begin(), names.end(),
                                 [&](const RawNames::Name& name) { return name.decoded == entry.name(); });
    QString name = entry.name().toString();
    if (it != names.end()) {
        name = it->escaped;
        names.erase(it);
    }
    leaveOut(state, appendingPathComponent(FileSystemItem::getDisplayFilePath(frame.folder), name));
}

// The item of a folder's entry, or nothing for a hidden name or one left out. A regular
// file is known from the listing itself (the flags initWithPath gives it whether or not it
// can be stat'ed); folders, links and entries of unknown kind are examined on disk like
// any path.
std::optional<FileSystemItem> entryItem(ControllerState& state, Frame& frame, const FileManager::DirectoryEntry& entry)
{
    if (!isFaithfulEntry(entry)) {
        leaveOutEntry(state, frame, entry);
        return std::nullopt;
    }
    const QString& path = entry.path;
    if (entry.name().startsWith(QLatin1Char('.')))
        return std::nullopt; // hidden, as initWithPath refuses it
    if (entry.kind == FileManager::DirectoryEntry::Kind::RegularFile)
        return FileSystemItem::withKind(path, ItemType::File);
    return FileSystemItem::initWithPath(path);
}


} // namespace

IntakeScope IntakeScope::fromSettings(const Settings& settings)
{
    IntakeScope scope;
    scope.isFiles = settings.flag(QStringLiteral("isFiles"));
    scope.isIncludeSubFolders = settings.flag(QStringLiteral("isIncludeSubFolders"));
    scope.selectedTab = MethodTab(settings.integer(QStringLiteral("selectedTab")));
    return scope;
}

Intake::Intake(ControllerState& state, UserInterface& ui)
    : state_(state)
    , ui_(ui)
{
}

void Intake::cancelProcess(ControllerState& state)
{
    state.isCancelProcess = true;
}

bool Intake::addFilesToList(const QStringList& paths)
{
    const IntakeScope scope = IntakeScope::fromSettings(state_.settings);
    PassProgress progress(&ui_);
    const bool accepted = addFilesToList(state_, scope, paths, progress);
    // Called on the main thread: the queued updates die with progress, so the final
    // count is shown directly.
    if (accepted || state_.leftOutAtIntake.count > 0)
        ui_.setCountText(foundText(state_, scope.isFiles ? "TOTALFILESFOUND" : "TOTALFOLDERSFOUND"));
    if (!state_.namesNote.isEmpty())
        ui_.showStatusMessage(state_.namesNote);
    return accepted;
}

bool Intake::addFilesToList(ControllerState& state, const IntakeScope& scope, const QStringList& paths,
                            PassProgress& progress, int* skippedFolders)
{
    const char* foundKey = scope.isFiles ? "TOTALFILESFOUND" : "TOTALFOLDERSFOUND";
    FoundCounter counter(progress, foundKey);
    state.leftOutAtIntake = {};
    state.namesNote.clear();
    std::vector<Frame> stack;
    stack.push_back(Frame{QString(), paths, {}, 0, true, false});
    while (!stack.empty()) {
        try {
            if (state.isCancelProcess.load())
                break;
            Frame& frame = stack.back();
            if (frame.next >= frame.size()) {
                stack.pop_back();
                continue;
            }
            // Each name is released once taken, so a walked folder keeps no leftovers.
            std::optional<FileSystemItem> item = frame.isTop
                ? givenItem(state, std::exchange(frame.paths[qsizetype(frame.next++)], QString()))
                : entryItem(state, frame, std::exchange(frame.entries[frame.next++], {}));
            if (!item)
                continue; // refused, or a hidden name: never in the list
            const QString path = item->fullPath;
            progress.setPath(FileSystemItem::getDisplayFilePath(path));

            if (!isDescendableFolder(*item)) {
                // Files, links, missing paths: taken in files scope only.
                if (scope.isFiles)
                    accept(state, scope, *item, counter, frame.isFresh);
                continue;
            }
            if (scope.isFiles) {
                // Without subfolders a given folder brings the files at its top; the
                // folders inside it are passed over.
                const bool walk = scope.isIncludeSubFolders || frame.isTop;
                if (!scope.isIncludeSubFolders && skippedFolders)
                    ++*skippedFolders;
                if (walk)
                    stack.push_back(folderFrame(path, state.list));
                continue;
            }
            if (!accept(state, scope, *item, counter, frame.isFresh))
                continue; // an already listed folder is not walked again
            if (scope.isIncludeSubFolders)
                stack.push_back(folderFrame(path, state.list));
        } catch (...) {
            // That level of the walk ends; the one above goes on with its next path and
            // everything appended so far stays.
            qWarning().noquote() << QStringLiteral("addFilesToList Error : %1").arg(currentExceptionReason());
            if (!stack.empty())
                stack.pop_back();
        }
    }
    counter.finish();
    if (const ControllerState::LeftOut& leftOut = state.leftOutAtIntake; leftOut.count > 0) {
        progress.setCount(foundText(state, foundKey));
        const QString note = msg("LEFTOUTNOTUTF8").arg(QLatin1Char('"') + leftOut.paths.first() + QLatin1Char('"'));
        state.namesNote = leftOut.count == 1 ? note : msgN("NAMESREFUSEDMORE", leftOut.count - 1).arg(note);
    }
    return state.searchFilesCount > 0;
}

void Intake::beginRun(const QString& progressMessage)
{
    state_.searchFilesCount = 0;
    state_.namesNote.clear();
    state_.isCancelProcess = false;
    state_.isExecuting = true;
    state_.startTime = ControllerState::now();
    state_.endTime = 0;
    ui_.passStarted(progressMessage);
}

namespace {

// The closing steps shared by both kinds of run, on the main thread. A run that added
// nothing because the folders it met held no file at their top says so instead of its time.
void endRun(ControllerState& state, UserInterface& ui, PassProgress& progress, bool onlySkippedFolders = false)
{
    progress.flush();
    ui.reloadList();
    state.isExecuting = false;
    ui.passEnded();
    const QString timeTaken = state.showLastActionTimeTaken(msg("LOADINGTIME"));
    ui.showTimeTaken(onlySkippedFolders ? msg("NOFILESATTOPOFFOLDER") : timeTaken);
    if (!state.namesNote.isEmpty())
        ui.showStatusMessage(state.namesNote);
}

// Returns true when nothing was added although folders were met in files scope without
// subfolders: they held no file at their top.
bool runAddFiles(ControllerState& state, const IntakeScope& scope, const QStringList& paths,
                 PassProgress& progress)
{
    int skippedFolders = 0;
    if (!Intake::addFilesToList(state, scope, paths, progress, &skippedFolders))
        return skippedFolders > 0 && !state.isCancelProcess.load();
    if (scope.isFiles || !scope.isIncludeSubFolders)
        return false;
    // Folders scope with subfolders: only the folders inside the chosen ones remain. The
    // chosen ones stay in filesDic until it is next rebuilt, so dropping them again adds
    // nothing.
    QSet<QString> topLevel;
    for (const QString& path : paths) {
        if (std::optional<QString> p = IntakePath::normalized(path))
            topLevel.insert(*p);
    }
    std::erase_if(state.list.files, [&](const FileSystemItem& item) { return topLevel.contains(item.fullPath); });
    return false;
}

} // namespace

bool Intake::addFiles(const QStringList& paths, std::function<void()> onFinished)
{
    if (state_.isExecuting.load())
        return false;
    const IntakeScope scope = IntakeScope::fromSettings(state_.settings);
    ui_.endEditing();
    beginRun(msg("LOADINGMESSAGE").arg(scope.isFiles ? msg("FILES") : msg("FOLDERS")));

    auto progress = std::make_shared<PassProgress>(&ui_);
    auto onlySkippedFolders = std::make_shared<bool>(false);
    ControllerState* state = &state_;
    UserInterface* ui = &ui_;
    PassRunner::start(
        [state, scope, paths, progress, onlySkippedFolders] {
            *onlySkippedFolders = runAddFiles(*state, scope, paths, *progress);
        },
        [state, ui, progress, onlySkippedFolders, onFinished] {
            state->isHasFilesForRenaming = false; // the new items need a preview
            endRun(*state, *ui, *progress, *onlySkippedFolders);
            if (onFinished)
                onFinished();
        });
    return true;
}

Intake::LoadFilesResult Intake::loadFiles(const QStringList& paths, std::function<void()> onFinished)
{
    if (state_.isExecuting.load() || paths.isEmpty())
        return LoadFilesResult::NotStarted;
    try {
        for (const QString& path : paths) {
            std::optional<QString> p = IntakePath::normalized(path);
            if (!p)
                continue;
            std::optional<FileSystemItem> item = FileSystemItem::initWithPath(*p);
            if (item && item->isFolder)
                return LoadFilesResult::NeedsChoice;
        }
        if (state_.isFolders())
            clearFilesFolders();
        state_.settings.filesFoldersOptionChanged(FilesOrFolders::Files);
        return addFiles(paths, std::move(onFinished)) ? LoadFilesResult::Started : LoadFilesResult::NotStarted;
    } catch (...) {
        qWarning().noquote() << QStringLiteral("Error in loadFiles : %1").arg(currentExceptionReason());
        return LoadFilesResult::NotStarted;
    }
}

bool Intake::PasteboardItemsControllerDidFinish(const PasteboardItemsController& choice,
                                                std::function<void()> onFinished)
{
    if (state_.isExecuting.load())
        return false;
    if (choice.isFiles != state_.isFiles())
        clearFilesFolders();
    state_.settings.filesFoldersOptionChanged(choice.isFiles ? 0 : 1);
    state_.settings.setFlag(QStringLiteral("isIncludeSubFolders"), choice.isProcessSubfolders);
    return addFiles(choice.Files, std::move(onFinished));
}

void Intake::importFilesToList(ControllerState& state, const FileRenameItem& list, PassProgress& progress)
{
    const bool wantsFolders = filesOrFolders(list.importType) == FilesOrFolders::Folders;
    FoundCounter counter(progress, wantsFolders ? "TOTALFOLDERSFOUND" : "TOTALFILESFOUND");
    // The listed items and their new names are looked up in one set of folder listings.
    FolderEntries disk;
    NameVerdicts names;
    state.leftOutAtIntake = {};
    try {
        for (const QString& listed : list.paths) {
            if (state.isCancelProcess.load())
                break;
            std::optional<QString> path = IntakePath::normalized(listed);
            if (!path)
                continue;
            // A plain file is known from its folder's entries; anything else is examined.
            const FolderEntries::Entry entry = disk.entryAt(*path);
            std::optional<FileSystemItem> item;
            if (!entry.isRegularFile)
                item = FileSystemItem::initWithPath(*path);
            else if (!QStringView(*path).mid(Utf16Scan::lastIndexOf(*path, u'/') + 1).startsWith(u'.'))
                item = FileSystemItem::withKind(*path, ItemType::File); // hidden names are refused as initWithPath does
            if (!item)
                continue;
            progress.setPath(FileSystemItem::getDisplayFilePath(item->fullPath));
            item->newFilename = list.records.value(listed);

            item->inode = entry.inode;
            if (item->inode == 0) {
                item = FileSystemItem::withKind(*path, wantsFolders ? ItemType::Folder : ItemType::File);
                item->newFilename = wantsFolders ? Status::FolderNotFound : Status::FileNotFound;
            } else {
                proposesNewName(*item, names);
            }
            // A folder for a folders list; anything else (files, links to files) for a
            // files list.
            if (item->isFolder != wantsFolders)
                continue;
            if (!state.list.append(std::move(*item)))
                continue;
            ++state.searchFilesCount;
            counter.found(state.searchFilesCount);
        }
        // The listed items' new names are judged against the disk and against each other
        // as a batch; only an item that is listed can make Apply worth running. Imported
        // names rename each item on its own (no companion groups).
        state.companions.forget(state.list.files);
        if (classifyBatch(state.list.files, BatchRules::forState(state), SIZE_MAX, &disk))
            state.isHasFilesForRenaming = true;
        state.namesNote = names.summary();
    } catch (...) {
        qWarning().noquote() << QStringLiteral("importFiles Error : %1").arg(currentExceptionReason());
    }
    counter.finish();
}

bool Intake::importFiles(std::optional<FileRenameItem> list, std::function<void()> onFinished)
{
    if (state_.isExecuting.load())
        return false;
    beginRun(msg("LOADINGMESSAGE").arg(QString()));

    auto progress = std::make_shared<PassProgress>(&ui_);
    auto shared = std::make_shared<std::optional<FileRenameItem>>(std::move(list));
    ControllerState* state = &state_;
    UserInterface* ui = &ui_;
    PassRunner::start(
        [state, shared, progress] {
            if (*shared)
                importFilesToList(*state, **shared, *progress);
            shared->reset(); // the parsed list is not needed past the import
        },
        [state, ui, progress, onFinished] {
            endRun(*state, *ui, *progress);
            if (onFinished)
                onFinished();
        });
    return true;
}

bool Intake::clearFilesFolders()
{
    if (state_.isExecuting.load())
        return false;
    state_.lastActionTimeTaken.clear();
    state_.list.clear();
    state_.isHasFilesForRenaming = false;
    ui_.reloadList();
    return true;
}

bool Intake::filesFoldersOptionChanged(int tag)
{
    if (state_.isExecuting.load())
        return false;
    state_.settings.filesFoldersOptionChanged(tag);
    return clearFilesFolders();
}
