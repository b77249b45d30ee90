// The extension list editor: an extension typed or added from a file chosen in the open panel,
// the duplicate refused, Remove, Apply into the settings and Cancel.
#include "dialog_fixture.h"

#include "app/dialogs/extensionsdialog.h"
#include "platform/messages.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

class ExtensionsDialogTest : public DialogTest {
protected:
    ExtensionsDialog* openDialog(int itemType)
    {
        auto* dialog = new ExtensionsDialog(state, ui, itemType, &window);
        dialog->open();
        return dialog;
    }
    static QStringList entries(ExtensionsDialog* dialog)
    {
        QStringList texts;
        for (int i = 0; i < dialog->list()->count(); ++i)
            texts.append(dialog->list()->item(i)->text());
        return texts;
    }
};

TEST_F(ExtensionsDialogTest, AddFromAChosenFileThenApplyIntoThePhotoList)
{
    const QStringList before = state.settings.list(QStringLiteral("photoExtensions"));
    QPointer<ExtensionsDialog> dialog = openDialog(0);
    EXPECT_EQ(entries(dialog), before);
    EXPECT_EQ(dialog->list()->currentRow(), 0);
    QPushButton* remove = dialog->findChild<QPushButton*>(QStringLiteral("removeButton"));
    EXPECT_TRUE(remove->isEnabled());

    ui.openPanelAnswers = {{tree.file(QStringLiteral("shots/picture.png"))}};
    click(button(dialog, msg("EXTENSIONADDFROMFILE")));
    ASSERT_EQ(ui.panels.size(), 1);
    EXPECT_TRUE(ui.panels.first().canChooseFiles);
    EXPECT_FALSE(ui.panels.first().canChooseDirectories);
    EXPECT_EQ(entries(dialog), before + QStringList{QStringLiteral(".PNG")});
    EXPECT_EQ(dialog->list()->currentItem()->text(), QStringLiteral(".PNG"));

    // The same extension again is reported and not added; a name without one adds nothing.
    ui.openPanelAnswers = {{tree.file(QStringLiteral("shots/other.PNG"))}, {tree.file(QStringLiteral("shots/README"))}};
    click(button(dialog, msg("EXTENSIONADDFROMFILE")));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts.first().title, msg("ADDFILEEXTENSIONTITLE"));
    EXPECT_EQ(ui.alerts.first().message, msg("ADDFILEEXTENSIONALREADYEXISTS").arg(QStringLiteral(".PNG")));
    click(button(dialog, msg("EXTENSIONADDFROMFILE")));
    EXPECT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(entries(dialog).size(), before.size() + 1);

    // Removing the first entry selects the new first one.
    dialog->list()->setCurrentRow(0);
    click(remove);
    EXPECT_EQ(entries(dialog), before.mid(1) + QStringList{QStringLiteral(".PNG")});
    EXPECT_EQ(dialog->list()->currentRow(), 0);

    click(button(dialog, msg("APPLY")));
    EXPECT_EQ(state.settings.list(QStringLiteral("photoExtensions")), before.mid(1) + QStringList{QStringLiteral(".PNG")});
    EXPECT_GT(ui.settingsRefreshes, 0);
    settle();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(ExtensionsDialogTest, TheAudioListAndCancel)
{
    const QStringList photo = state.settings.list(QStringLiteral("photoExtensions"));
    const QStringList audio = state.settings.list(QStringLiteral("id3Extensions"));
    QPointer<ExtensionsDialog> dialog = openDialog(1);
    EXPECT_EQ(entries(dialog), audio);
    ui.openPanelAnswers = {{tree.file(QStringLiteral("song.flac"))}};
    click(button(dialog, msg("EXTENSIONADDFROMFILE")));
    EXPECT_TRUE(entries(dialog).contains(QStringLiteral(".FLAC")));
    // An extension typed as a person writes it, with or without its dot; one listed
    // already is told as a chosen file's is.
    for (const char* typed : {" .ogg", "flac", "*.opus"}) {
        dialog->typedField()->setText(QString::fromLatin1(typed));
        click(dialog->findChild<QPushButton*>(QStringLiteral("addTypedButton")));
    }
    EXPECT_EQ(entries(dialog), audio + QStringList({".FLAC", ".OGG", ".OPUS"}));
    EXPECT_EQ(ui.alerts.size(), 1);
    click(button(dialog, msg("CANCEL")));
    EXPECT_EQ(state.settings.list(QStringLiteral("id3Extensions")), audio);
    EXPECT_EQ(state.settings.list(QStringLiteral("photoExtensions")), photo);

    // Removing every entry leaves nothing selected and Remove disabled.
    QPointer<ExtensionsDialog> again = openDialog(1);
    QPushButton* remove = again->findChild<QPushButton*>(QStringLiteral("removeButton"));
    for (int i = 0; i < audio.size(); ++i)
        click(remove);
    EXPECT_EQ(again->list()->count(), 0);
    EXPECT_FALSE(remove->isEnabled());
    click(button(again, msg("Help")));
    EXPECT_EQ(ui.openedDocuments, QStringList{QStringLiteral("Extensions.html")});
    click(button(again, msg("APPLY")));
    EXPECT_TRUE(state.settings.list(QStringLiteral("id3Extensions")).isEmpty());
}

} // namespace
