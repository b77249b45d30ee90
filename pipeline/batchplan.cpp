#include "pipeline/batchplan.h"

#include "engine/filename.h"
#include "pipeline/batchproposals.h"
#include "pipeline/companiongroups.h"
#include "pipeline/namenumbering.h"
#include "pipeline/controllerstate.h"
#include "pipeline/nameverdict.h"
#include "platform/edition.h"
#include "platform/foldercase.h"
#include "platform/folderentries.h"
#include "platform/utf16scan.h"


#include <algorithm>

namespace {

enum class TargetState { Free, OwnInode, Taken };

// The target is looked up in its folder's entries; when it exists, the source's inode from
// the same entries tells whether it is another name of the same file without another look
// at the disk. Where the folder folds case, a target that differs from the source only in
// case is the item itself, whatever inode numbers the file system hands out (FUSE drivers
// give each lookup its own), and any other target found is another entry.
TargetState targetState(FolderEntries& entries, const BatchProposals& batch, const BatchProposal& p,
                        quint64 knownSourceInode)
{
    if (p.folded >= 0 && batch.targetKey(p) == batch.sourceKey(p))
        return TargetState::OwnInode;
    const ino_t targetInode = entries.entryAt(p.folder, p.targetName).inode;
    if (targetInode == 0)
        return TargetState::Free;
    const ino_t sourceInode =
        knownSourceInode != 0 ? ino_t(knownSourceInode) : entries.entryAt(p.folder, p.sourceName).inode;
    return sourceInode != 0 && sourceInode == targetInode ? TargetState::OwnInode : TargetState::Taken;
}

const QString& alreadyExists(const FileSystemItem& item)
{
    return item.kind() == ItemType::File ? Status::FileAlreadyExists : Status::FolderAlreadyExists;
}

const QString& usedTwice(const FileSystemItem& item)
{
    return item.kind() == ItemType::File ? Status::FileNameUsedTwice : Status::FolderNameUsedTwice;
}

// What a proposal waits for: the proposal that must move first, or one of these.
constexpr qsizetype kFree = -1, kBlocked = -2;
enum Verdict : char { Unknown, Renamed, Refused };

// Names used twice: the first in list order keeps its name, the others get the "Used Twice"
// status and leave the batch (the proposals kept are moved down in place: a batch holds one
// per item).
void dropNamesUsedTwice(std::vector<FileSystemItem>& files, BatchProposals& batch)
{
    std::vector<BatchProposal>& kept = batch.list;
    ProposalTable seen(kept.size());
    size_t keptCount = 0;
    for (size_t k = 0; k < kept.size(); ++k) {
        const qsizetype first = seen.insert(kept[k].targetHash, qsizetype(keptCount), [&](qsizetype other) {
            return batch.sameTarget(kept[size_t(other)], kept[k]);
        });
        if (first >= 0) {
            files[kept[k].index].newFilename = usedTwice(files[kept[k].index]);
            continue;
        }
        if (keptCount != k)
            kept[keptCount] = std::move(kept[k]);
        ++keptCount;
    }
    kept.resize(keptCount);
}

// The proposals whose target is taken on disk: only these can wait for another to move.
// inodesKnown: the items' inodes were read from the same entries.
std::vector<size_t> takenOnDisk(const std::vector<FileSystemItem>& files, const BatchProposals& batch,
                                FolderEntries& disk, bool inodesKnown)
{
    std::vector<size_t> taken;
    for (size_t k = 0; k < batch.list.size(); ++k) {
        const quint64 knownSourceInode = inodesKnown ? files[batch.list[k].index].inode : 0;
        if (targetState(disk, batch, batch.list[k], knownSourceInode) == TargetState::Taken)
            taken.push_back(k);
    }
    return taken;
}

// Per proposal, what it waits for: kFree unless its target is taken; with chains, the
// proposal that holds that target as its current name; otherwise kBlocked.
std::vector<qsizetype> proposalsWaitedFor(const BatchProposals& batch, const std::vector<size_t>& taken,
                                          bool chains)
{
    const std::vector<BatchProposal>& kept = batch.list;
    std::vector<qsizetype> next(kept.size(), kFree);
    if (!chains) {
        for (const size_t k : taken)
            next[k] = kBlocked;
        return next;
    }
    // Who holds a name that another proposal wants: indexed only when some target is taken
    // (in most batches none is).
    if (taken.empty())
        return next;
    ProposalTable holderOf(kept.size());
    // Should two proposals start from one name, the last in list order answers.
    for (size_t k = kept.size(); k-- > 0;) {
        holderOf.insert(kept[k].sourceHash, qsizetype(k),
                        [&](qsizetype other) { return batch.sameSource(kept[size_t(other)], kept[k]); });
    }
    for (const size_t k : taken) {
        const qsizetype holder = holderOf.find(
            kept[k].targetHash, [&](qsizetype other) { return batch.targetIsSourceOf(kept[k], kept[size_t(other)]); });
        next[k] = holder >= 0 && holder != qsizetype(k) ? holder : kBlocked;
    }
    return next;
}

// Follows the proposals waited for from start, appending those without a verdict to path,
// up to a verdict known, a free or blocked target, or a cycle (whose members are Renamed
// and leave the path: they free each other's names; anything leading into the cycle would
// want a name the cycle already gives away). Returns the verdict for the path.
Verdict followChain(size_t start, const std::vector<qsizetype>& next, std::vector<char>& verdict,
                    std::vector<size_t>& onPathAt, std::vector<size_t>& path)
{
    for (size_t x = start;; x = size_t(next[x])) {
        if (verdict[x] != Unknown)
            return Verdict(verdict[x]);
        if (onPathAt[x] != SIZE_MAX) {
            const size_t cycleStart = onPathAt[x];
            for (size_t i = cycleStart; i < path.size(); ++i)
                verdict[path[i]] = Renamed;
            path.resize(cycleStart);
            return Refused;
        }
        onPathAt[x] = path.size();
        path.push_back(x);
        if (next[x] == kFree)
            return Renamed;
        if (next[x] == kBlocked)
            return Refused;
    }
}

// Each proposal follows its chain to the end: a free target (or a cycle back into the
// chain) lets the whole chain go, a blocked one refuses it whole.
std::vector<char> chainVerdicts(const std::vector<qsizetype>& next)
{
    std::vector<char> verdict(next.size(), Unknown);
    std::vector<size_t> onPathAt(next.size(), SIZE_MAX);
    std::vector<size_t> path;
    for (size_t start = 0; start < next.size(); ++start) {
        if (verdict[start] != Unknown)
            continue;
        path.clear();
        const Verdict outcome = followChain(start, next, verdict, onPathAt, path);
        for (size_t member : path)
            verdict[member] = outcome;
    }
    return verdict;
}

// next: the proposal that must move before this one; previous: the one waiting for it
// (-1 for none).
struct WaitLinks {
    std::vector<qsizetype> next;
    std::vector<qsizetype> previous;
};

WaitLinks linkWaitingProposals(const BatchProposals& batch)
{
    const std::vector<BatchProposal>& all = batch.list;
    ProposalTable holderOf(all.size());
    for (size_t k = 0; k < all.size(); ++k) { // the first in list order wins
        holderOf.insert(all[k].sourceHash, qsizetype(k),
                        [&](qsizetype other) { return batch.sameSource(all[size_t(other)], all[k]); });
    }
    WaitLinks links{std::vector<qsizetype>(all.size(), -1), std::vector<qsizetype>(all.size(), -1)};
    for (size_t k = 0; k < all.size(); ++k) {
        const qsizetype holder = holderOf.find(
            all[k].targetHash, [&](qsizetype other) { return batch.targetIsSourceOf(all[k], all[size_t(other)]); });
        // Only one proposal can wait for a name; another one asking for it simply meets
        // an existing target when its turn comes.
        if (holder >= 0 && holder != qsizetype(k) && links.previous[size_t(holder)] < 0) {
            links.next[k] = holder;
            links.previous[size_t(holder)] = qsizetype(k);
        }
    }
    return links;
}

// Chains: from each proposal nothing waits for, to the end, made end first.
void appendChains(const WaitLinks& links, std::vector<bool>& placed, std::vector<MoveUnit>& units)
{
    for (size_t head = 0; head < links.next.size(); ++head) {
        if (links.previous[head] >= 0)
            continue;
        MoveUnit unit;
        for (qsizetype x = qsizetype(head); x >= 0; x = links.next[size_t(x)]) {
            placed[size_t(x)] = true;
            unit.members.push_back(size_t(x));
        }
        std::reverse(unit.members.begin(), unit.members.end());
        units.push_back(std::move(unit));
    }
}

// What is left are cycles: the first member is parked, then the one waiting for its name
// moves, and so on back around.
void appendCycles(const WaitLinks& links, std::vector<bool>& placed, std::vector<MoveUnit>& units)
{
    for (size_t start = 0; start < links.next.size(); ++start) {
        if (placed[start])
            continue;
        MoveUnit unit;
        unit.isCycle = true;
        unit.members.push_back(start);
        placed[start] = true;
        for (qsizetype x = links.previous[start]; x >= 0 && size_t(x) != start; x = links.previous[size_t(x)]) {
            placed[size_t(x)] = true;
            unit.members.push_back(size_t(x));
        }
        units.push_back(std::move(unit));
    }
}

// Groups with a member refused (its proposal left the batch, its status an error): every
// member still in the batch is refused with its group and leaves it. Returns true when
// some proposal left.
bool refuseGroupsWithRefusedMembers(std::vector<FileSystemItem>& files, BatchProposals& batch)
{
    // By group number (groups are numbered from 0).
    std::vector<char> refused;
    bool any = false;
    const auto refuse = [&](qint32 g) {
        if (size_t(g) >= refused.size())
            refused.resize(size_t(g) + 1, 0);
        refused[size_t(g)] = 1;
        any = true;
    };
    for (const BatchProposal& p : batch.list) {
        const FileSystemItem& item = files[p.index];
        if (item.companionGroup >= 0 && Status::isError(item.newFilename))
            refuse(item.companionGroup);
    }
    // Members that left the batch earlier (used twice) are found among the items.
    for (const FileSystemItem& item : files) {
        if (item.companionGroup >= 0 && Status::isError(item.newFilename) && item.newFilename != Status::NoChanges
            && item.newFilename != Status::RefusedWithItsGroup)
            refuse(item.companionGroup);
    }
    if (!any)
        return false;
    const size_t before = batch.list.size();
    std::erase_if(batch.list, [&](const BatchProposal& p) {
        FileSystemItem& item = files[p.index];
        const qint32 g = item.companionGroup;
        if (g < 0 || size_t(g) >= refused.size() || !refused[size_t(g)])
            return false;
        if (!Status::isError(item.newFilename))
            item.newFilename = Status::RefusedWithItsGroup;
        return true;
    });
    return batch.list.size() != before;
}

// The units of a companion group's members joined into the unit of its first: one part
// per unit joined. Groups are numbered from 0, so each group's first unit is found by its
// number; the units and members of each group are counted first, so that the unit joined
// into grows once.
void joinCompanionGroups(const std::vector<FileSystemItem>& files, std::vector<MoveUnit>& units)
{
    struct Joined {
        size_t unit = SIZE_MAX; // the group's first unit
        size_t units = 0;
        size_t members = 0;
    };
    std::vector<Joined> groups;
    for (const MoveUnit& unit : units) {
        const qint32 g = files[unit.members.front()].companionGroup;
        if (g < 0)
            continue;
        if (size_t(g) >= groups.size())
            groups.resize(size_t(g) + 1);
        ++groups[size_t(g)].units;
        groups[size_t(g)].members += size_t(unit.members.size());
    }
    if (groups.empty())
        return; // no item leads or follows a group
    bool joined = false;
    for (size_t u = 0; u < units.size(); ++u) {
        const qint32 g = files[units[u].members.front()].companionGroup;
        if (g < 0 || groups[size_t(g)].units < 2)
            continue;
        Joined& group = groups[size_t(g)];
        if (group.unit == SIZE_MAX) {
            group.unit = u;
            units[u].members.reserve(qsizetype(group.members));
            units[u].parts.reserve(group.units);
            continue;
        }
        MoveUnit& into = units[group.unit];
        if (into.parts.empty())
            into.parts.push_back({0, size_t(into.members.size()), into.isCycle});
        into.parts.push_back({size_t(into.members.size()), size_t(into.members.size() + units[u].members.size()),
                              units[u].isCycle});
        into.members.append(units[u].members.constData(), units[u].members.size());
        into.isCycle = false;
        units[u].members.clear();
        joined = true;
    }
    if (joined)
        std::erase_if(units, [](const MoveUnit& unit) { return unit.members.isEmpty(); });
}

} // namespace

BatchRules BatchRules::forState(const ControllerState& state)
{
    if (!Edition::current().judgesBatchAsWhole)
        return itemByItem();
    return BatchRules{true, state.preferences.renameChainsInOneGo};
}

bool proposesNewName(FileSystemItem& item, NameVerdicts& names)
{
    const qsizetype slash = Utf16Scan::lastIndexOf(item.fullPath, u'/');
    const QStringView oldName = QStringView(item.fullPath).mid(slash + 1);
    // A status text left from an earlier pass or an imported list is not a name.
    if (item.newFilename.isEmpty() || Status::isStatus(item.newFilename)) {
        item.newFilename = Status::NoChanges;
        return false;
    }
    const QString newName = item.newFilenameValue();
    if (Utf16Scan::sameUnits(newName, oldName)) {
        item.newFilename = Status::NoChanges;
        return false;
    }
    if (QString status = names.judge(QStringView(item.fullPath).left(qMax<qsizetype>(slash, 0)), newName);
        !status.isEmpty()) {
        item.newFilename = std::move(status);
        return false;
    }
    return true;
}

bool classifyBatch(std::vector<FileSystemItem>& files, const BatchRules& rules, size_t count,
                   FolderEntries* entries, size_t tailFrom, const std::vector<CompanionGroup>* groups, int* numbered)
{
    FolderEntries ownEntries;
    FolderEntries& disk = entries ? *entries : ownEntries;
    FolderCase::Cache folds;
    BatchProposals batch = collectProposals(files, folds, count, tailFrom);
    if (rules.numberNamesUsedTwice) {
        static const std::vector<CompanionGroup> none;
        const int n = numberNamesUsedTwice(files, batch, disk, rules.numberSeparator, groups ? *groups : none);
        if (numbered)
            *numbered = n;
    }
    if (rules.markDuplicates)
        dropNamesUsedTwice(files, batch);
    const bool hasGroups = std::any_of(batch.list.begin(), batch.list.end(),
                                       [&](const BatchProposal& p) { return files[p.index].companionGroup >= 0; });
    if (hasGroups)
        refuseGroupsWithRefusedMembers(files, batch);
    for (;;) {
        const std::vector<size_t> taken = takenOnDisk(files, batch, disk, entries != nullptr);
        const std::vector<char> verdict = chainVerdicts(proposalsWaitedFor(batch, taken, rules.chains));
        for (size_t k = 0; k < batch.list.size(); ++k) {
            if (verdict[k] == Refused)
                files[batch.list[k].index].newFilename = alreadyExists(files[batch.list[k].index]);
        }
        // A refused member takes its group with it; those moves no longer free the names
        // others wait for, so the rest is judged again.
        if (!hasGroups || !refuseGroupsWithRefusedMembers(files, batch)) {
            return std::any_of(verdict.begin(), verdict.end(), [](char v) { return v != Refused; });
        }
    }
}

bool classifyWithCompanions(ControllerState& state, const Settings& settings, size_t count, FolderEntries* entries)
{
    BatchRules rules = BatchRules::forState(state);
    rules.numberNamesUsedTwice = rules.markDuplicates && settings.flag(QStringLiteral("isNumberNamesUsedTwice"));
    if (rules.numberNamesUsedTwice)
        rules.numberSeparator = settings.text(QStringLiteral("namesUsedTwiceSeparator"));
    std::vector<FileSystemItem>& files = state.list.files;
    std::vector<FileSystemItem>& unlisted = state.companions.unlisted;
    const size_t listed = files.size();
    files.insert(files.end(), std::make_move_iterator(unlisted.begin()), std::make_move_iterator(unlisted.end()));
    bool any = false;
    try {
        any = classifyBatch(files, rules, count, entries, listed, &state.companions.groups, &state.numberedNames);
    } catch (...) {
        unlisted.assign(std::make_move_iterator(files.begin() + qsizetype(listed)), std::make_move_iterator(files.end()));
        files.resize(listed);
        throw;
    }
    unlisted.assign(std::make_move_iterator(files.begin() + qsizetype(listed)), std::make_move_iterator(files.end()));
    files.resize(listed);
    return any;
}

void markDuplicateNames(std::vector<FileSystemItem>& files, size_t count)
{
    FolderCase::Cache folds;
    const BatchProposals batch = collectProposals(files, folds, count);
    ProposalTable seen(batch.list.size());
    for (size_t k = 0; k < batch.list.size(); ++k) {
        const BatchProposal& p = batch.list[k];
        if (seen.insert(p.targetHash, qsizetype(k),
                        [&](qsizetype other) { return batch.sameTarget(batch.list[size_t(other)], p); })
            >= 0)
            files[p.index].newFilename = usedTwice(files[p.index]);
    }
}

std::vector<MoveUnit> planMoves(const std::vector<FileSystemItem>& files, bool chains)
{
    FolderCase::Cache folds;
    const BatchProposals batch = collectProposals(files, folds);
    const std::vector<BatchProposal>& all = batch.list;
    std::vector<MoveUnit> units;
    units.reserve(all.size()); // at most one unit per proposal: the vector never grows
    if (!chains) {
        for (const BatchProposal& p : all)
            units.push_back(MoveUnit{{p.index}, false, {}});
        joinCompanionGroups(files, units);
        return units;
    }
    const WaitLinks links = linkWaitingProposals(batch);
    std::vector<bool> placed(all.size(), false);
    appendChains(links, placed, units);
    appendCycles(links, placed, units);
    for (MoveUnit& unit : units) {
        for (size_t& member : unit.members)
            member = all[member].index;
    }
    joinCompanionGroups(files, units);
    // Units in the order of their first item in the list. When no item waits for another
    // (the common case) they come in that order already: no sort, no moves of units.
    const auto byFirstItem = [](const MoveUnit& a, const MoveUnit& b) {
        return *std::min_element(a.members.begin(), a.members.end())
            < *std::min_element(b.members.begin(), b.members.end());
    };
    if (!std::is_sorted(units.begin(), units.end(), byFirstItem))
        std::stable_sort(units.begin(), units.end(), byFirstItem);
    return units;
}
