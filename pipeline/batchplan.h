#pragma once

#include "engine/filesystemitem.h"

#include <QString>
#include <QVarLengthArray>

#include <cstdint>
#include <vector>

class FolderEntries;
class NameVerdicts;
struct CompanionGroup;
struct ControllerState;

// How a batch of proposed names is judged.
struct BatchRules {
    // Later items that propose a name an earlier item already takes in the same folder get
    // "File Name Used Twice" / "Folder Name Used Twice".
    bool markDuplicates = true;
    // A target held by another item of the batch that is itself renamed (and not refused)
    // counts as free: shifts, swaps and cycles are renamed in one go. Off: every taken
    // target is refused, item by item.
    bool chains = true;
    // Names used twice (and targets held by files outside the batch) are numbered instead
    // of refused, with this separator before the number.
    bool numberNamesUsedTwice = false;
    QString numberSeparator = QStringLiteral("-");

    // The edition's rule, with the "Rename shifts and swaps in one go" preference.
    static BatchRules forState(const ControllerState& state);
    // Item by item, as the earlier edition judges.
    static BatchRules itemByItem() { return BatchRules{false, false, false, {}}; }
};

// The name part of an item's classification, done as each item is computed: "No Changes"
// when the proposed name is empty, a status or the current name; "Name Too Long" or "Name
// Not Allowed Here" when the item's folder cannot hold it (judged by names, which keeps
// the note for the pass). Returns true when the item still proposes a new name.
bool proposesNewName(FileSystemItem& item, NameVerdicts& names);

// Judges every item that proposes a new name against the disk and against the other items
// of the list, in one pass (hashes of the target paths): duplicates first (the first item
// in list order keeps its name), then targets that exist on disk. A target that is the
// item's own inode is free (a change of letter case); with chains, a target held by
// another proposed item is free exactly when that item's own rename is not refused, so a
// chain blocked by anything outside the batch is refused whole ("Already Exists").
// Names compare as the folder compares them (FolderCase). Only the first `count` items are
// judged (a pass stopped by Cancel leaves the others as they were). Returns true when any
// item would be renamed. The disk is asked through `entries` when given (the pass's own
// listings, so that its folders are read once); the items' inodes are then taken as read
// from those entries in the same pass.
//
// Companion groups (items with a companionGroup) are judged whole: when a member is
// refused, every other member of its group gets "Refused With Its Group". Items from
// tailFrom on are judged too (the followers that are not listed, appended for the
// judgement); groups are numbered as one (numbered: how many names were numbered).
bool classifyBatch(std::vector<FileSystemItem>& files, const BatchRules& rules, size_t count = SIZE_MAX,
                   FolderEntries* entries = nullptr, size_t tailFrom = SIZE_MAX,
                   const std::vector<CompanionGroup>* groups = nullptr, int* numbered = nullptr);

// The full preview's judgement: the list with the followers that are not listed (moved in
// for it and back), by the edition's rules and the settings' numbering of names used
// twice; sets state.numberedNames.
class Settings;
bool classifyWithCompanions(ControllerState& state, const Settings& settings, size_t count, FolderEntries* entries);

// The live preview's share: among the first `count` items, every later item whose
// computed name (different from its current name) repeats one proposed earlier in the
// same folder gets the "Used Twice" status. Nothing else is looked up on disk.
void markDuplicateNames(std::vector<FileSystemItem>& files, size_t count);

// The order in which an apply makes its moves. Items that depend on each other (an
// item's target is the current name of another proposed item in the same folder) form a
// chain, made from its end so that each target is freed before it is taken, or a cycle,
// broken through one temporary name. Every other item is a unit of its own. Units come in
// the order of their first item in the list, so folders (sorted before their contents)
// still move before what is inside them.
struct MoveUnit {
    // List indexes in the order of their moves; for a cycle the first one is parked under
    // a temporary name first and takes its new name last.
    // Most units hold one item: kept inline, without an allocation each.
    QVarLengthArray<size_t, 2> members;
    bool isCycle = false;
    // A companion group's unit joins the chains and cycles of its members: each part is a
    // run of members made as a chain or a cycle. Empty when the unit is one of them.
    struct Part {
        size_t begin = 0;
        size_t end = 0;
        bool isCycle = false;
    };
    std::vector<Part> parts;
};
// The members of a companion group are one unit: moved together, taken back together.
std::vector<MoveUnit> planMoves(const std::vector<FileSystemItem>& files, bool chains);
