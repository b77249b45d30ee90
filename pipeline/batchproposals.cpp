#include "pipeline/batchproposals.h"

#include "platform/foldercase.h"
#include "platform/utf16scan.h"

#include <QHashFunctions>

#include <algorithm>

BatchProposals collectProposals(const std::vector<FileSystemItem>& files, FolderCase::Cache& folds, size_t count,
                                size_t tailFrom)
{
    BatchProposals out;
    count = std::min(count, files.size());
    tailFrom = std::max(tailFrom, count);
    out.list.reserve(count + (files.size() - std::min(tailFrom, files.size())));
    // Items come folder by folder: the folder's hash and case rule are kept from the last.
    QStringView lastFolder;
    bool haveFolder = false;
    bool fold = false;
    size_t folderHash = 0;
    for (size_t i = 0; i < files.size(); ++i) {
        if (i == count) {
            if (tailFrom >= files.size())
                break;
            i = tailFrom;
        }
        const FileSystemItem& item = files[i];
        if (item.newFilename.isEmpty() || Status::isStatus(item.newFilename))
            continue;
        const QStringView path(item.fullPath);
        const qsizetype slash = Utf16Scan::lastIndexOf(path, u'/');
        const QStringView currentName = path.mid(slash + 1);
        QString newName = item.newFilenameValue();
        if (Utf16Scan::sameUnits(newName, currentName))
            continue;
        const QStringView folder = slash < 0 ? QStringView() : path.left(slash == 0 ? 1 : slash);
        if (!haveFolder || !Utf16Scan::sameUnits(folder, lastFolder)) {
            fold = folds.foldsCase(folder.toString());
            folderHash = qHash(folder, 0);
            lastFolder = folder;
            haveFolder = true;
        }
        BatchProposal p;
        p.index = i;
        p.folder = folder;
        p.sourceName = currentName;
        p.targetName = std::move(newName);
        if (fold) {
            p.folded = qint32(out.folded.size());
            out.folded.emplace_back(FolderCase::comparisonName(currentName.toString(), true),
                                    FolderCase::comparisonName(p.targetName, true));
        }
        p.sourceHash = qHash(out.sourceKey(p), folderHash);
        p.targetHash = qHash(out.targetKey(p), folderHash);
        out.list.push_back(std::move(p));
    }
    return out;
}

void retarget(BatchProposals& batch, BatchProposal& p, QString targetName)
{
    p.targetName = std::move(targetName);
    if (p.folded >= 0)
        batch.folded[size_t(p.folded)].second = FolderCase::comparisonName(p.targetName, true);
    p.targetHash = qHash(batch.targetKey(p), qHash(p.folder, 0));
}

ProposalTable::ProposalTable(size_t expected)
{
    size_t capacity = 8;
    while (capacity < 2 * expected)
        capacity *= 2;
    slots_.resize(capacity);
    mask_ = capacity - 1;
}
