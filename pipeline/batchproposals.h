#pragma once

#include "engine/filesystemitem.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace FolderCase {
class Cache;
}

// One proposed rename of a batch, with what comparing it to the others needs: its folder
// and both names as the folder compares them, and their hashes. The folder and the current
// name are views into the item's path (which the batch judgement never changes); the new
// name shares the item's string. Where the folder folds letter case, the compared forms are
// folded copies kept in `folded`.
struct BatchProposal {
    size_t index = 0;       // in the list
    QStringView folder;     // the item's folder ("/" for the root)
    QStringView sourceName; // its current name
    QString targetName;     // its new name as it will be on disk
    qint32 folded = -1;     // its pair in BatchProposals::folded, or -1
    size_t sourceHash = 0;  // of the folder with the compared current name
    size_t targetHash = 0;  // of the folder with the compared new name
};

struct BatchProposals {
    std::vector<BatchProposal> list;
    // The folded current and new names of proposals in folders that fold case.
    std::vector<std::pair<QString, QString>> folded;

    QStringView sourceKey(const BatchProposal& p) const
    {
        return p.folded < 0 ? p.sourceName : QStringView(folded[size_t(p.folded)].first);
    }
    QStringView targetKey(const BatchProposal& p) const
    {
        return p.folded < 0 ? QStringView(p.targetName) : QStringView(folded[size_t(p.folded)].second);
    }
    // a's new name is b's new name, in the same folder, as that folder compares names.
    bool sameTarget(const BatchProposal& a, const BatchProposal& b) const
    {
        return a.targetHash == b.targetHash && a.folder == b.folder && targetKey(a) == targetKey(b);
    }
    // a and b start from the same name, as their folder compares names.
    bool sameSource(const BatchProposal& a, const BatchProposal& b) const
    {
        return a.sourceHash == b.sourceHash && a.folder == b.folder && sourceKey(a) == sourceKey(b);
    }
    // a's new name is b's current name, in the same folder.
    bool targetIsSourceOf(const BatchProposal& a, const BatchProposal& b) const
    {
        return a.targetHash == b.sourceHash && a.folder == b.folder && targetKey(a) == sourceKey(b);
    }
};

// The items among the first `count` that propose a new name: not empty, not a status, not
// their current name.
// Items from tailFrom on (companion files that follow a listed item) are taken too.
BatchProposals collectProposals(const std::vector<FileSystemItem>& files, FolderCase::Cache& folds,
                                size_t count = SIZE_MAX, size_t tailFrom = SIZE_MAX);
// Sets a proposal's new name (and its compared form and hash) after it changed.
void retarget(BatchProposals& batch, BatchProposal& p, QString targetName);

// Proposal numbers by the hash of a key (a folder with a name), in one flat table sized for
// the batch: no allocation per entry. Which stored number holds an equal key is the
// caller's to say.
class ProposalTable {
public:
    explicit ProposalTable(size_t expected);

    // The number stored under a key equal to the one hashed, or -1.
    template <typename Equal>
    qsizetype find(size_t hash, Equal equal) const
    {
        for (size_t at = hash & mask_;; at = (at + 1) & mask_) {
            const Slot& s = slots_[at];
            if (s.number < 0)
                return -1;
            if (s.tag == tagOf(hash) && equal(s.number))
                return s.number;
        }
    }
    // Stores number under the key unless an equal key is stored: returns that one's
    // number then, or -1 when this one was stored.
    template <typename Equal>
    qsizetype insert(size_t hash, qsizetype number, Equal equal)
    {
        size_t at = hash & mask_;
        for (;; at = (at + 1) & mask_) {
            const Slot& s = slots_[at];
            if (s.number < 0)
                break;
            if (s.tag == tagOf(hash) && equal(s.number))
                return s.number;
        }
        slots_[at] = Slot{tagOf(hash), qint32(number)};
        return -1;
    }

private:
    struct Slot {
        quint32 tag = 0;
        qint32 number = -1;
    };
    static quint32 tagOf(size_t hash) { return quint32(hash >> 32) ^ quint32(hash); }
    std::vector<Slot> slots_;
    size_t mask_ = 0;
};
