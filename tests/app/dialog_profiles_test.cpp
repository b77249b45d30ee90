// The profiles sheet: a profile saved under a typed name and loaded back from the table,
// and deleting the profile that is loaded.
#include "dialog_fixture.h"

#include "app/dialogs/profilesdialog.h"
#include "platform/dateformat.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "profiles/profilecommands.h"
#include "profiles/settingsloader.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>

namespace {

class ProfilesDialogTest : public DialogTest {
protected:
    ProfilesDialog* openDialog()
    {
        auto* dialog = new ProfilesDialog(state, ui, commands, loader, &window);
        dialog->open();
        return dialog;
    }

    SettingsLoader loader{state, ui};
    ProfileCommands commands{state, ui, loader};
};

TEST_F(ProfilesDialogTest, SaveUnderATypedNameThenLoadItFromTheTable)
{
    state.settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("holiday"));
    QPointer<ProfilesDialog> dialog = openDialog();
    ASSERT_EQ(dialog->table()->model()->rowCount(), 0);

    QTest::keyClicks(dialog->newProfileNameField(), QStringLiteral("Trips"));
    click(button(dialog, msg("Save")));
    const QString path = tree.at(QStringLiteral("Profiles/Trips.qvprofile"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(ui.alerts.isEmpty());
    ASSERT_EQ(dialog->table()->model()->rowCount(), 1);
    // The name without ".qvprofile", the date as the locale writes it.
    EXPECT_EQ(dialog->table()->model()->index(0, 0).data().toString(), QStringLiteral("Trips"));
    EXPECT_EQ(dialog->table()->model()->index(0, 1).data().toString(),
              DateFormat::localeDateTime(QFileInfo(path).birthTime().isValid() ? QFileInfo(path).birthTime()
                                                                               : QFileInfo(path).lastModified()));
    EXPECT_TRUE(dialog->newProfileNameField()->text().isEmpty());

    // Saving the same name again asks; "NO" keeps the file as it was.
    const QByteArray saved = tree.read(QStringLiteral("Profiles/Trips.qvprofile"));
    state.settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("other"));
    QTest::keyClicks(dialog->newProfileNameField(), QStringLiteral("Trips"));
    ui.alertAnswers = {QStringLiteral("NO")};
    click(button(dialog, msg("Save")));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().message, msg("PROFILEOVERWRITECONFIRM"));
    EXPECT_EQ(tree.read(QStringLiteral("Profiles/Trips.qvprofile")), saved);

    // Load without a selection asks for one; with the row selected it loads and closes.
    click(button(dialog, msg("Load")));
    EXPECT_EQ(lastAlert().message, msg("PROFILESELECT"));
    clickRow(dialog->table(), 0);
    click(button(dialog, msg("Load")));
    EXPECT_EQ(state.settings.text(QStringLiteral("replaceRemoveThis")), QStringLiteral("holiday"));
    EXPECT_EQ(state.currProfileFile, path);
    ASSERT_FALSE(ui.titles.isEmpty());
    EXPECT_TRUE(ui.titles.last().contains(QStringLiteral("Trips.qvprofile")));
    settle();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(ProfilesDialogTest, DeletingTheLoadedProfileForgetsIt)
{
    state.settings.setText(QStringLiteral("replaceRemoveThis"), QStringLiteral("kept"));
    const QString path = tree.at(QStringLiteral("Profiles/Work.qvprofile"));
    ASSERT_TRUE(commands.saveNewProfile(path));
    ASSERT_EQ(loader.setCurrentSettings(path), ProfileLoadResult::Loaded);
    ASSERT_EQ(state.currProfileFile, path);

    QPointer<ProfilesDialog> dialog = openDialog();
    click(button(dialog, msg("Delete")));
    EXPECT_EQ(lastAlert().message, msg("PROFILESELECT"));
    EXPECT_TRUE(QFile::exists(path));

    clickRow(dialog->table(), 0);
    click(button(dialog, msg("Delete")));
    EXPECT_EQ(lastAlert().message, msg("PROFILEDELETECONFIRM"));
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(state.currProfileFile.isEmpty());
    EXPECT_EQ(dialog->table()->model()->rowCount(), 0);
    EXPECT_TRUE(dialog->controller().currProfileFilePath.isEmpty());
    ASSERT_FALSE(ui.titles.isEmpty());
    EXPECT_TRUE(ui.titles.last().contains(msg("DEFAULT")));
    // The settings stay as they were; only the file and the link to it are gone.
    EXPECT_EQ(state.settings.text(QStringLiteral("replaceRemoveThis")), QStringLiteral("kept"));
    EXPECT_FALSE(dialog.isNull());
}

TEST_F(ProfilesDialogTest, ANameThatCannotBeAFileIsRefusedAndKept)
{
    QPointer<ProfilesDialog> dialog = openDialog();
    click(button(dialog, msg("Save")));
    EXPECT_EQ(lastAlert().message, msg("PROFILEENTERNEWNAME"));

    QTest::keyClicks(dialog->newProfileNameField(), QStringLiteral("a/b"));
    click(button(dialog, msg("Save")));
    EXPECT_EQ(lastAlert().style, AlertStyle::Critical);
    EXPECT_EQ(lastAlert().message, msg("PROFILESAVEDFAILED"));
    EXPECT_EQ(dialog->newProfileNameField()->text(), QStringLiteral("a/b"));
    EXPECT_TRUE(tree.names(QStringLiteral("Profiles")).isEmpty());

    click(button(dialog, msg("Help")));
    EXPECT_EQ(ui.openedDocuments, QStringList{QStringLiteral("Profile.html")});
}

} // namespace
