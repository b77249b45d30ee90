#pragma once

#include <QString>

class FileList;

// Prints the list, one line per item in list order: tsv "fullPath<TAB>newFilename" as
// stored, json [{"fullPath", "newFilename", "itemType", "status", "dateSource"}], or an
// aligned table for people.
void printFileList(const FileList& list, const QString& format);

// The process ends with the command: the list's items go with it rather than being freed
// one by one (for 100,000 items that takes as long as printing them). They stay reachable,
// so leak checkers do not count them.
void leaveItemsToTheExit(FileList& list);

// "table" on a terminal, "tsv" otherwise, unless the user chose.
QString effectiveFormat(const QString& requested);
