#pragma once

// A log folder and a data folder in a temporary tree, the controller state pointing its log
// folder there, a scripted user interface and the undo controller on top of them.

#include "pipeline/controllerstate.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"
#include "testlogs.h"
#include "undo/undosheetcontroller.h"

#include <QFile>

#include <gtest/gtest.h>

class UndoFixture : public ::testing::Test {
protected:
    UndoFixture()
        : undo(state, ui)
    {
        logs = tree.folder(QStringLiteral("Logs"));
        data = tree.folder(QStringLiteral("data"));
        state.preferences.defaultLogFolderPath = logs;
        undo.setChanged([this] { ++changes; });
    }

    QString readText(const QString& path) const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    // The alert texts in the order shown, as "TITLE|message".
    QStringList alertTexts() const
    {
        QStringList out;
        for (const auto& a : ui.alerts)
            out.append(a.title + QLatin1Char('|') + a.message);
        return out;
    }

    TempTree tree;
    QString logs;
    QString data;
    ControllerState state;
    ScriptedUserInterface ui;
    UndoSheetController undo;
    int changes = 0;
};
