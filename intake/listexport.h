#pragma once

#include <QByteArray>

#include <functional>

class FileList;

// The columns of an exported list.
struct ExportOptions {
    bool isFilename = true;             // the current name
    bool isNewFilename = true;          // the new name (or status)
    bool isLocation = true;             // the folder
    bool isIncludeLocation = false;     // full paths in the name columns instead of a folder column
    bool addColumnNamesInHeader = true;
};

// The exported list as UTF-8: an optional header of column names, then one line per
// item with its present columns separated by tabs, names in their display form (":"
// shown as "/"). An item whose written fields hold a TAB, CR or LF could not be read
// back as one line; it is left out and counted in skipped. progress, when given, is
// called with the number of items done after each item.
QByteArray buildExport(const FileList& list, const ExportOptions& options, int* skipped,
                       const std::function<void(int done)>& progress = {});
