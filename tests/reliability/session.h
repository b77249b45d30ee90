#pragma once

#include "pipeline/applydriver.h"
#include "pipeline/controllerstate.h"
#include "support/scripteduserinterface.h"
#include "undo/undosheetcontroller.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <ostream>

// Readable values in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '[' << texts.join(QStringLiteral(", ")).toStdString() << ']';
}

// One controller state driven as the window drives it: items added by the intake scan,
// a preview pass, an apply pass, an undo from the log the apply wrote. Passes run on
// the worker thread and are waited for.
struct Session {
    ControllerState state;
    ScriptedUserInterface ui;

    explicit Session(const QString& logFolder);

    // A settings key in its dictionary form, with the mode selector of an index key run
    // (as the command line's --set does). Fails the test on a key the record refuses.
    void set(const QString& key, const QString& value);
    // The intake scan of the paths with the current scope settings.
    void add(const QStringList& paths);
    // Preview pass; false when its option checks refused to start it.
    bool preview();
    // Apply pass (confirmed); false when it did not start. The outcome is kept.
    bool apply();
    ApplyOutcome lastApply;

    // Undo of the given log (the last apply's when empty).
    UndoOutcome undo(const QString& logPath = QString());

    // newFilename of every item, in list order.
    QStringList statuses() const;
};
