#pragma once

// The text renaming methods. Each follows the renaming method contract
// (engine/renamingcontract.h): it takes the item and its tab's options (made once per
// pass, engine/methodoptions.h), writes the item's newFilename and returns what the call
// gave; on failure newFilename keeps its value. Sequence methods also take their running
// counter by reference.

#include "engine/filesystemitem.h"
#include "engine/methodoptions.h"
#include "engine/renamingcontract.h"

// Replace or remove text in the base name, or remove a set of characters.
MethodResult renameByReplaceRemove(FileSystemItem& item, const ReplaceRemoveOptions& options);

// Replace or remove the matches of options.expression in the base name. Matches are found
// left to right on the name as it is; the start position, occurrence and count pick among
// them as among plain-text occurrences, counted from the end when asked. Empty matches
// count. The replacement may name groups (FindExpression::expandReplacement); "" removes.
MethodResult renameByRegularExpression(FileSystemItem& item, const ReplaceRemoveOptions& options);

// General transformations of the whole name (case, extension, reverse, ...).
MethodResult renameByGeneral(FileSystemItem& item, const GeneralOptions& options);

MethodResult renameByInsert(FileSystemItem& item, const InsertOptions& options);

MethodResult renameByDelete(FileSystemItem& item, const DeleteOptions& options);

// counter is the running number (in/out): it steps whether or not the name was made.
MethodResult renameByNumeric(FileSystemItem& item, const SequenceOptions& options, qint64& counter);

// counter is the running letters (in/out): it steps whether or not the name was made.
MethodResult renameByAlphabetic(FileSystemItem& item, const SequenceOptions& options, QString& counter);

MethodResult renameByPrefixSuffix(FileSystemItem& item, const PrefixSuffixOptions& options);

MethodResult renameByDateTime(FileSystemItem& item, const DateTimeOptions& options);

MethodResult renameByPathComponents(FileSystemItem& item, const PathComponentsOptions& options);
