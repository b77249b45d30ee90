#pragma once

#include <QString>

class FileList;
struct Companions;

// Prints the list, one line per item in list order: tsv "fullPath<TAB>newFilename" as
// stored, json [{"fullPath", "newFilename", "itemType", "status", "dateSource"}], or an
// aligned table for people. With companions, each lead is followed by the files renamed
// with it that are not listed, as rows of their own, and json says "follows": the lead's
// path for every file that follows one.
void printFileList(const FileList& list, const QString& format, const Companions* companions = nullptr);

// The process ends with the command: the list's items go with it rather than being freed
// one by one (for 100,000 items that takes as long as printing them). They stay reachable,
// so leak checkers do not count them.
void leaveItemsToTheExit(FileList& list);

// "table" on a terminal, "tsv" otherwise, unless the user chose.
QString effectiveFormat(const QString& requested);
