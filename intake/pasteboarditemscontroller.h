#pragma once

#include "engine/modechoices.h"

#include <QStringList>

// The choice shown when items from outside (file manager selection, services entry,
// opened documents) include a folder: take them as files or as folders, with or without
// their subfolders. The window shows it; Intake::PasteboardItemsControllerDidFinish takes
// the result.
struct PasteboardItemsController {
    bool isFiles = true;
    bool isFolders = false;
    bool isProcessSubfolders = false;
    QStringList Files; // the paths waiting to be added

    // The radio: files, or folders for any other tag.
    void filesFoldersOptionChanged(int tag)
    {
        isFiles = tag == int(FilesOrFolders::Files);
        isFolders = !isFiles;
    }
};
