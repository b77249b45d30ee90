// The preferences sheet: folder choosers (confirmed and cancelled), the automatic save
// switch, Apply writing the file, and a file that cannot be written.
#include "dialog_fixture.h"

#include "app/dialogs/preferencesdialog.h"
#include "platform/edition.h"
#include "platform/messages.h"
#include "platform/plist.h"
#include "profiles/preferences.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>

namespace {

class PreferencesDialogTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        previousHome_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", tree.folder(QStringLiteral("home")).toLocal8Bit());
        QString error;
        ASSERT_TRUE(createApplicationFolders(error)) << error.toStdString();
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", previousHome_); }

    PreferencesDialog* openDialog()
    {
        auto* dialog = new PreferencesDialog(state, ui, &window);
        dialog->open();
        return dialog;
    }

    QByteArray previousHome_;
};

TEST_F(PreferencesDialogTest, ChooseAFolderCancelAnotherAndApply)
{
    const QString logs = state.preferences.defaultLogFolderPath;
    const QString rules = state.preferences.defaultRulesFolderPath;
    QPointer<PreferencesDialog> dialog = openDialog();
    EXPECT_EQ(dialog->logFolderField()->text(), logs);
    EXPECT_FALSE(dialog->automaticSaveBox()->isChecked());

    const QString elsewhere = tree.folder(QStringLiteral("elsewhere"));
    ui.openPanelAnswers = {{elsewhere}, {}};
    click(dialog->findChild<QPushButton*>(QStringLiteral("defaultLogFolderPathBrowse")));
    ASSERT_EQ(ui.panels.size(), 1);
    EXPECT_EQ(ui.panels.first().title, msg("CHOOSELOGFOLDERPATHTITLE"));
    EXPECT_EQ(ui.panels.first().directory, logs);
    EXPECT_TRUE(ui.panels.first().canChooseDirectories);
    EXPECT_FALSE(ui.panels.first().canChooseFiles);
    EXPECT_EQ(state.preferences.defaultLogFolderPath, elsewhere);
    EXPECT_EQ(dialog->logFolderField()->text(), elsewhere);

    // A cancelled chooser changes nothing.
    click(dialog->findChild<QPushButton*>(QStringLiteral("defaultRulesFolderPathBrowse")));
    EXPECT_EQ(ui.panels.last().title, msg("CHOOSERULEFOLDERPATHTITLE"));
    EXPECT_EQ(state.preferences.defaultRulesFolderPath, rules);
    EXPECT_EQ(dialog->rulesFolderField()->text(), rules);

    // A typed folder and the switch take effect at once; the file only on Apply.
    const QString typed = tree.path() + QStringLiteral("/typed/profiles"); // made on Apply
    dialog->profileFolderField()->clear();
    QTest::keyClicks(dialog->profileFolderField(), typed);
    toggle(dialog->automaticSaveBox());
    EXPECT_EQ(state.preferences.defaultProfileFolderPath, typed);
    EXPECT_TRUE(state.preferences.automaticSaveCurrProfile);
    EXPECT_FALSE(Plist::readFile(PreferencesFile::preferencesFilePath()).has_value());

    click(button(dialog, msg("APPLY")));
    // Success is a status bar message, not an alert to dismiss.
    EXPECT_TRUE(ui.alerts.isEmpty());
    EXPECT_EQ(ui.statusMessages, QStringList{msg("PREFERENCESSAVEDMESSAGE")});
    const QVariantMap written = Plist::readFile(PreferencesFile::preferencesFilePath()).value_or(QVariant()).toMap();
    EXPECT_EQ(written.value(QStringLiteral("defaultLogFolderPath")).toString(), elsewhere);
    EXPECT_EQ(written.value(QStringLiteral("defaultProfileFolderPath")).toString(), typed);
    EXPECT_TRUE(QFileInfo(typed).isDir());
    EXPECT_EQ(written.value(QStringLiteral("automaticSaveCurrProfile")).toString(), QStringLiteral("1"));
    EXPECT_FALSE(dialog.isNull()); // the sheet stays open

    click(button(dialog, msg("Help")));
    EXPECT_EQ(ui.openedDocuments, QStringList{QStringLiteral("Preferences.html")});
}

TEST_F(PreferencesDialogTest, AFileThatCannotBeWrittenIsReportedNotPraised)
{
    // The data folder below a plain file: nothing can be written there, even by root.
    qputenv("XDG_DATA_HOME", tree.file(QStringLiteral("blocked"), "x").toLocal8Bit());
    QPointer<PreferencesDialog> dialog = openDialog();
    click(button(dialog, msg("APPLY")));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().style, AlertStyle::Critical);
    EXPECT_EQ(ui.alerts.first().message, msg("PREFERENCESSAVEFAILED"));
    EXPECT_EQ(tree.read(QStringLiteral("blocked")), QByteArray("x"));
}

TEST_F(PreferencesDialogTest, AFolderThatCannotBeMadeOrWrittenIsRefused)
{
    const QString blocker = tree.file(QStringLiteral("plainfile"), "x");
    for (const QString& bad : {QStringLiteral("/proc/nonexistent/logs"), blocker + QStringLiteral("/logs"),
                               QStringLiteral("relative/logs")}) {
        ui.alerts.clear();
        QPointer<PreferencesDialog> dialog = openDialog();
        dialog->logFolderField()->clear();
        QTest::keyClicks(dialog->logFolderField(), bad);
        click(button(dialog, msg("APPLY")));
        ASSERT_EQ(ui.alerts.size(), 1) << bad.toStdString();
        EXPECT_EQ(ui.alerts.first().style, AlertStyle::Critical);
        EXPECT_EQ(ui.alerts.first().message, msg("PREFERENCESFOLDERUNUSABLE").arg(bad));
        EXPECT_TRUE(ui.statusMessages.isEmpty());
        EXPECT_FALSE(Plist::readFile(PreferencesFile::preferencesFilePath()).has_value()) << bad.toStdString();
        dialog->reject();
    }
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/proc/nonexistent")));
}

} // namespace
