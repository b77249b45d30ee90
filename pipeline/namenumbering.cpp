#include "pipeline/namenumbering.h"

#include "engine/filename.h"
#include "pipeline/batchproposals.h"
#include "pipeline/companiongroups.h"
#include "platform/foldercase.h"
#include "platform/folderentries.h"

#include <QHash>
#include <QSet>

namespace {

// A name as its folder compares it, with the folder: the key of the names claimed.
QString claimKey(QStringView folder, const QString& name, bool folds)
{
    return folder.toString() + u'/' + FolderCase::comparisonName(name, folds);
}

// The numbered form of a name: the separator and the number before its extension, or
// after the group's stem for a member of a group.
QString numbered(const QString& name, const QString& stem, const QString& separator, int number)
{
    const QString mark = separator + QString::number(number);
    if (!stem.isEmpty() && name.startsWith(stem))
        return stem + mark + name.mid(stem.size());
    const NameParts parts = splitName(name);
    return joinName(parts.base + mark, parts.extension);
}

} // namespace

int numberNamesUsedTwice(std::vector<FileSystemItem>& files, BatchProposals& batch, FolderEntries& disk,
                         const QString& separator, const std::vector<CompanionGroup>& groups)
{
    // The names the batch moves away from: a target held by one of them is not taken by a
    // file outside the batch (the moves free it).
    QSet<QString> sources;
    sources.reserve(qsizetype(batch.list.size()));
    for (const BatchProposal& p : batch.list)
        sources.insert(p.folder.toString() + u'/' + batch.sourceKey(p).toString());
    // The proposals of each group, in list order; lone proposals are units of their own.
    QHash<qint32, std::vector<size_t>> ofGroup;
    std::vector<std::vector<size_t>> units;
    for (size_t k = 0; k < batch.list.size(); ++k) {
        const qint32 g = files[batch.list[k].index].companionGroup;
        if (g < 0) {
            units.push_back({k});
            continue;
        }
        auto it = ofGroup.find(g);
        if (it == ofGroup.end()) {
            ofGroup.insert(g, {units.size()});
            units.push_back({k});
        } else {
            units[it->front()].push_back(k);
        }
    }

    QSet<QString> claimed;
    claimed.reserve(qsizetype(batch.list.size()));
    const auto isFree = [&](const BatchProposal& p, const QString& name, bool checkDisk) {
        const bool folds = p.folded >= 0;
        if (claimed.contains(claimKey(p.folder, name, folds)))
            return false;
        if (!checkDisk)
            return true;
        const ino_t there = disk.entryAt(p.folder, name).inode;
        if (there == 0)
            return true;
        // The item itself (a change of letter case) or a name the batch moves away from.
        return there == ino_t(files[p.index].inode) || sources.contains(claimKey(p.folder, name, folds));
    };
    int count = 0;
    for (const std::vector<size_t>& unit : units) {
        bool clash = false;
        for (size_t k : unit)
            clash = clash || !isFree(batch.list[k], batch.list[k].targetName, true);
        if (clash) {
            const qint32 g = files[batch.list[unit.front()].index].companionGroup;
            const QString stem = g >= 0 && size_t(g) < groups.size() ? groups[size_t(g)].newStem : QString();
            for (int number = 2;; ++number) {
                bool free = true;
                for (size_t k : unit) {
                    const BatchProposal& p = batch.list[k];
                    // A numbered name must be free on disk itself.
                    free = free && isFree(p, numbered(p.targetName, stem, separator, number), false)
                        && disk.entryAt(p.folder, numbered(p.targetName, stem, separator, number)).inode == 0;
                }
                if (!free)
                    continue;
                for (size_t k : unit) {
                    BatchProposal& p = batch.list[k];
                    FileSystemItem& item = files[p.index];
                    item.newFilename = numbered(item.newFilename, stem, separator, number);
                    retarget(batch, p, item.newFilenameValue());
                    ++count;
                }
                break;
            }
        }
        for (size_t k : unit) {
            const BatchProposal& p = batch.list[k];
            claimed.insert(claimKey(p.folder, p.targetName, p.folded >= 0));
        }
    }
    return count;
}
