#pragma once

#include "engine/filesystemitem.h"

#include <QString>

#include <vector>

class FolderEntries;
struct BatchProposals;
struct CompanionGroup;

// Names used twice numbered instead of refused (burst shots that share their second):
// going through the batch in list order, the first proposal of a name keeps it; a later one
// in the same folder, or one whose name a file outside the batch holds on disk, takes the
// separator and the first number from 2 on whose name is free on disk and in the batch,
// before its extension ("20230614_101530-2.jpg"). A companion group is numbered as one: its
// members take the same number after the group's stem. Sets the items' new names and the
// proposals' targets; returns how many names were numbered.
int numberNamesUsedTwice(std::vector<FileSystemItem>& files, BatchProposals& batch, FolderEntries& disk,
                         const QString& separator, const std::vector<CompanionGroup>& groups);
