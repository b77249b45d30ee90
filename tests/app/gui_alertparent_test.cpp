// Alerts and file panels sit on whatever is in front: on an open sheet they are the
// sheet's children (over it, not blocked behind it); with no sheet, the main window's.
#include "gui_testsupport.h"

#include "app/dialogs/preferencesdialog.h"
#include "app/dialogs/profilesdialog.h"
#include "profiles/profilecommands.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>

namespace {

// Cancels every file panel that opens and notes what it was shown on.
class PanelCanceller {
public:
    PanelCanceller()
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* panel = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!panel || !panel->isVisible())
                return;
            parents << panel->parentWidget();
            panel->reject();
        });
        timer_.start();
    }
    QList<const QWidget*> parents;

private:
    QTimer timer_;
};

QAction* command(MainWindow& window, const char* name)
{
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

template <typename SheetType>
SheetType* openSheet(MainWindow& window)
{
    for (SheetType* sheet : window.findChildren<SheetType*>()) {
        if (sheet->isVisible())
            return sheet;
    }
    return nullptr;
}

QPushButton* buttonLabelled(QWidget* dialog, const QString& label)
{
    for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
        if (b->text() == label)
            return b;
    }
    return nullptr;
}

TEST(AlertParent, AlertsAndPanelsOfASheetAreShownOnTheSheet)
{
    StartedWindow w;
    ASSERT_TRUE(w.started);
    w.window().show();
    ModalAnswerer answerer;
    QuorvelAppController& c = w.controller;

    // The profile in use, listed in the profiles sheet.
    const QString profile = c.state().preferences.defaultProfileFolderPath + QStringLiteral("/Work.qvprofile");
    ASSERT_TRUE(c.profileCommands().saveNewProfile(profile));
    ASSERT_EQ(c.settingsLoader().setCurrentSettings(profile), ProfileLoadResult::Loaded);

    command(w.window(), "showProfiles")->trigger();
    QPointer<ProfilesDialog> profiles = openSheet<ProfilesDialog>(w.window());
    ASSERT_FALSE(profiles.isNull());
    ASSERT_EQ(QApplication::activeModalWidget(), profiles.data());

    // Deleting it: the confirmation is the sheet's, and YES removes the file and the link.
    profiles->table()->selectRow(0);
    QPushButton* remove = buttonLabelled(profiles, msg("Delete"));
    ASSERT_NE(remove, nullptr);
    answerer.answers = {QStringLiteral("YES")};
    QTest::mouseClick(remove, Qt::LeftButton);
    ASSERT_EQ(answerer.seen.size(), 1);
    EXPECT_EQ(answerer.seen.first().message, msg("PROFILEDELETECONFIRM"));
    EXPECT_EQ(answerer.seen.first().parent, profiles.data());
    EXPECT_FALSE(QFile::exists(profile));
    EXPECT_TRUE(c.state().currProfileFile.isEmpty());
    EXPECT_TRUE(w.window().windowTitle().contains(msg("DEFAULT")));
    profiles->reject();

    // A folder chooser of the preferences sheet sits on that sheet; cancelling it keeps
    // the folder.
    PanelCanceller panels;
    const QString logs = c.state().preferences.defaultLogFolderPath;
    command(w.window(), "showPreferences")->trigger();
    QPointer<PreferencesDialog> preferences = openSheet<PreferencesDialog>(w.window());
    ASSERT_FALSE(preferences.isNull());
    auto* browse = preferences->findChild<QPushButton*>(QStringLiteral("defaultLogFolderPathBrowse"));
    ASSERT_NE(browse, nullptr);
    QTest::mouseClick(browse, Qt::LeftButton);
    ASSERT_EQ(panels.parents.size(), 1);
    EXPECT_EQ(panels.parents.first(), preferences.data());
    EXPECT_EQ(c.state().preferences.defaultLogFolderPath, logs);
    EXPECT_EQ(preferences->logFolderField()->text(), logs);
    preferences->reject();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr);

    // With no sheet open, the window carries them: a save panel, then the alert of a
    // profile that cannot be read.
    command(w.window(), "saveAsProfile")->trigger();
    ASSERT_EQ(panels.parents.size(), 2);
    EXPECT_EQ(panels.parents.last(), &w.window());
    EXPECT_TRUE(c.state().currProfileFile.isEmpty());

    const QString broken = w.home.dataHome() + QStringLiteral("/broken.qvprofile");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<plist><dict><key>appVersion</key>");
    file.close();
    c.ui().openPanelHandler = [broken](const PanelOptions&) { return QStringList{broken}; };
    command(w.window(), "loadProfile")->trigger();
    ASSERT_EQ(answerer.seen.size(), 2);
    EXPECT_EQ(answerer.seen.last().title, msg("LOADPROFILETITLE"));
    EXPECT_EQ(answerer.seen.last().parent, &w.window());
}

} // namespace
