#pragma once

#include <QString>

class FileList;

// Prints the list, one line per item in list order: tsv "fullPath<TAB>newFilename" as
// stored, json [{"fullPath", "newFilename", "itemType"}], or an aligned table for people.
void printFileList(const FileList& list, const QString& format);

// "table" on a terminal, "tsv" otherwise, unless the user chose.
QString effectiveFormat(const QString& requested);
