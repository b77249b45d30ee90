#pragma once

#include "intake/intake.h"
#include "pipeline/controllerstate.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

#include <dirent.h>

// A controller state, a scripted window and a temporary tree for the intake tests.
class IntakeTest : public ::testing::Test {
protected:
    ControllerState state;
    ScriptedUserInterface ui;
    Intake intake{state, ui};
    TempTree tree;

    void setScope(bool files, bool subfolders)
    {
        state.settings.filesFoldersOptionChanged(files ? 0 : 1);
        state.settings.setFlag(QStringLiteral("isIncludeSubFolders"), subfolders);
    }

    // The listed paths, relative to the tree's root.
    QStringList listed() const
    {
        QStringList out;
        for (const FileSystemItem& item : state.list.files)
            out << item.fullPath.mid(tree.path().size() + 1);
        return out;
    }

    QStringList newNames() const
    {
        QStringList out;
        for (const FileSystemItem& item : state.list.files)
            out << item.newFilename;
        return out;
    }

    // The entry names of a folder of the tree in the order the file system returns them.
    QStringList readdirOrder(const QString& relative) const
    {
        QStringList names;
        DIR* dir = ::opendir(QFile::encodeName(tree.at(relative)).constData());
        if (!dir)
            return names;
        while (dirent* e = ::readdir(dir)) {
            const QString n = QFile::decodeName(e->d_name);
            if (n != QLatin1String(".") && n != QLatin1String(".."))
                names << n;
        }
        ::closedir(dir);
        return names;
    }
};
