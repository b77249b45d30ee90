#pragma once

// What the dialog tests share: a controller state whose folders live in a temporary tree,
// a scripted user interface that also records window titles and settings refreshes, a
// main window for the sheets to sit on, and helpers to press buttons as the user does.
#include "pipeline/controllerstate.h"
#include "support/scripteduserinterface.h"
#include "support/temptree.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

class DialogUserInterface : public ScriptedUserInterface {
public:
    int settingsRefreshes = 0;
    int rulesReloads = 0;
    QStringList titles;
    void refreshSettingsView() override { ++settingsRefreshes; }
    void updateWindowTitle(const QString& title) override { titles.append(title); }
    void reloadRules(bool) override { ++rulesReloads; }
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        state.preferences.defaultLogFolderPath = tree.folder(QStringLiteral("Logs"));
        state.preferences.defaultProfileFolderPath = tree.folder(QStringLiteral("Profiles"));
        state.preferences.defaultRulesFolderPath = tree.folder(QStringLiteral("Rules"));
        window.resize(900, 600);
        window.show();
    }

    // The button of a dialog whose text is label (the message text of a label key).
    static QPushButton* button(QWidget* dialog, const QString& label)
    {
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == label)
                return b;
        }
        ADD_FAILURE() << "no button " << label.toStdString();
        return nullptr;
    }
    // Clicks a button with the mouse, as the user does (nothing for a disabled button).
    static void click(QPushButton* b)
    {
        ASSERT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
    }
    // Clicks a check box on its indicator (a click beside its text does nothing).
    static void toggle(QCheckBox* box)
    {
        ASSERT_NE(box, nullptr);
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        QTest::mouseClick(box, Qt::LeftButton, {}, indicator.center());
    }
    // Runs the event loop until done() holds (false when it never did).
    template <typename Condition>
    static bool waitFor(Condition done)
    {
        return QTest::qWaitFor(done, 5000);
    }
    // Clicks the first cell of a row of a table or tree.
    static void clickRow(QAbstractItemView* view, int row, int column = 0)
    {
        const QModelIndex index = view->model()->index(row, column);
        const QRect rect = view->visualRect(index);
        ASSERT_TRUE(rect.isValid()) << "row " << row << " is not shown";
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static void doubleClickAt(QAbstractItemView* view, const QModelIndex& index)
    {
        const QRect rect = view->visualRect(index);
        ASSERT_TRUE(rect.isValid());
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Lets deleteLater and queued work run.
    static void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    // The last alert shown (an empty one when there was none).
    ScriptedUserInterface::Alert lastAlert() const
    {
        return ui.alerts.isEmpty() ? ScriptedUserInterface::Alert{AlertStyle::Informational, {}, {}, {}}
                                   : ui.alerts.last();
    }
    QStringList alertMessages() const
    {
        QStringList messages;
        for (const auto& a : ui.alerts)
            messages.append(a.message);
        return messages;
    }

    TempTree tree;
    ControllerState state;
    DialogUserInterface ui;
    QMainWindow window;
};
