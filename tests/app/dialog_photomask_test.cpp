// The photo mask editor: fields chosen by double click, the Add button, search and Return, and by a
// drop of the catalogue's drag data; reordered, removed, and taken by OK into the
// settings, whose mask is rebuilt. Cancel changes nothing.
#include "dialog_fixture.h"

#include "app/dialogs/metadatacataloguemodel.h"
#include "app/dialogs/photomaskeditordialog.h"
#include "engine/metadatafield.h"
#include "metadata/metadatacatalogue.h"
#include "platform/messages.h"

#include <QLineEdit>
#include <QMimeData>
#include <QTableView>
#include <QTreeView>

#include <memory>

namespace {

class PhotoMaskDialogTest : public DialogTest {
protected:
    PhotoMaskEditorDialog* openDialog()
    {
        auto* dialog = new PhotoMaskEditorDialog(state, ui, catalogue.categories(), &window);
        dialog->open();
        return dialog;
    }
    static QStringList chosenLabels(PhotoMaskEditorDialog* dialog)
    {
        QStringList labels;
        QAbstractItemModel* model = dialog->chosenList()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            labels.append(model->index(row, 0).data().toString());
        return labels;
    }
    // The catalogue row of a field, its group expanded as the user would.
    static QModelIndex field(PhotoMaskEditorDialog* dialog, int group, int row)
    {
        MetaDataCatalogueModel* model = dialog->catalogueModel();
        dialog->catalogue()->expand(model->index(group, 0));
        return model->index(row, 0, model->index(group, 0));
    }

    MetaDataCatalogue catalogue;
};

constexpr int kFileDetails = 0;
constexpr int kExif = 2;

TEST_F(PhotoMaskDialogTest, ChoosingByDoubleClickSearchAndDropThenOK)
{
    state.settings.setFlag(QStringLiteral("isPhotoRenamingSeperator"), true);
    state.settings.setText(QStringLiteral("photoRenamingSeperator"), QStringLiteral("-"));
    QPointer<PhotoMaskEditorDialog> dialog = openDialog();
    EXPECT_EQ(dialog->chosenList()->model()->rowCount(), 0);
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("clearButton"))->isEnabled());

    // A double click on a field appends it; on a group it adds nothing.
    doubleClickAt(dialog->catalogue(), field(dialog, kExif, 0));
    doubleClickAt(dialog->catalogue(), dialog->catalogueModel()->index(kFileDetails, 0));
    // The Add button takes the selected field, never a group.
    QPushButton* add = dialog->findChild<QPushButton*>(QStringLiteral("addButton"));
    EXPECT_FALSE(add->isEnabled());
    dialog->catalogue()->setCurrentIndex(field(dialog, kExif, 1));
    click(add);
    EXPECT_EQ(chosenLabels(dialog), (QStringList{"Date", "Time"}));
    EXPECT_TRUE(dialog->findChild<QPushButton*>(QStringLiteral("clearButton"))->isEnabled());

    // The search selects the first field whose label holds the text; Return adds it.
    QTest::keyClicks(dialog->searchField(), QStringLiteral("model"));
    const QModelIndexList found = dialog->catalogue()->selectionModel()->selectedRows();
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.first().data().toString(), QStringLiteral("Device Model"));
    EXPECT_TRUE(dialog->catalogue()->isExpanded(dialog->catalogueModel()->index(kExif, 0)));
    EXPECT_FALSE(dialog->catalogue()->isExpanded(dialog->catalogueModel()->index(kFileDetails, 0)));
    QTest::keyClick(dialog->searchField(), Qt::Key_Return);
    EXPECT_EQ(chosenLabels(dialog), (QStringList{"Date", "Time", "Device Model"}));
    EXPECT_EQ(dialog->chosenList()->model()->index(2, 1).data().toString(), QStringLiteral("EXIF"));
    EXPECT_EQ(dialog->chosenList()->model()->index(2, 2).data().toString(), QStringLiteral("<EXIF_Device_Model>"));

    // A text no label holds clears the catalogue's selection.
    dialog->searchField()->clear();
    QTest::keyClicks(dialog->searchField(), QStringLiteral("zzz"));
    EXPECT_TRUE(dialog->catalogue()->selectionModel()->selectedRows().isEmpty());

    // Move up and down keep the moved field selected.
    clickRow(dialog->chosenList(), 2);
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("moveDown"))->isEnabled());
    click(dialog->findChild<QPushButton*>(QStringLiteral("moveUp")));
    EXPECT_EQ(chosenLabels(dialog), (QStringList{"Date", "Device Model", "Time"}));
    EXPECT_EQ(dialog->chosenList()->selectionModel()->selectedRows().value(0).row(), 1);
    click(dialog->findChild<QPushButton*>(QStringLiteral("moveDown")));
    EXPECT_EQ(chosenLabels(dialog), (QStringList{"Date", "Time", "Device Model"}));

    // The catalogue's drag data dropped on the first row inserts the field there.
    std::unique_ptr<QMimeData> drag(dialog->catalogueModel()->mimeData({field(dialog, kFileDetails, 0)}));
    ASSERT_TRUE(drag);
    EXPECT_TRUE(drag->hasFormat(QStringLiteral("MetaDataPBoardType")));
    QAbstractItemModel* chosen = dialog->chosenList()->model();
    ASSERT_TRUE(chosen->canDropMimeData(drag.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    ASSERT_TRUE(chosen->dropMimeData(drag.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    EXPECT_EQ(chosenLabels(dialog), (QStringList{"Filename", "Date", "Time", "Device Model"}));
    EXPECT_EQ(dialog->chosenList()->selectionModel()->selectedRows().value(0).row(), 0);

    // Delete removes the selected field.
    dialog->chosenList()->setFocus();
    QTest::keyClick(dialog->chosenList(), Qt::Key_Delete);
    EXPECT_EQ(chosenLabels(dialog), (QStringList{"Date", "Time", "Device Model"}));

    click(dialog->findChild<QPushButton*>(QStringLiteral("okButton")));
    EXPECT_EQ(MetaDataField::getTagsList(state.settings.photoMetaDataList()),
              (QStringList{"<EXIF_Date>", "<EXIF_Time>", "<EXIF_Device_Model>"}));
    EXPECT_EQ(state.settings.text(QStringLiteral("photoRenamingMask")),
              QStringLiteral("<EXIF_Date>-<EXIF_Time>-<EXIF_Device_Model>"));
    EXPECT_GT(ui.settingsRefreshes, 0);
    settle();
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(PhotoMaskDialogTest, GroupsAreNotDraggedOtherDataIsNotDroppedAndCancelChangesNothing)
{
    state.settings.setPhotoMetaDataList({*catalogue.fieldForTagCode(QStringLiteral("<EXIF_Time>"))});
    const QString mask = state.settings.text(QStringLiteral("photoRenamingMask"));
    QPointer<PhotoMaskEditorDialog> dialog = openDialog();
    EXPECT_EQ(chosenLabels(dialog), QStringList{QStringLiteral("Time")});

    const QModelIndex group = dialog->catalogueModel()->index(kExif, 0);
    EXPECT_FALSE(dialog->catalogueModel()->flags(group).testFlag(Qt::ItemIsDragEnabled));
    EXPECT_EQ(dialog->catalogueModel()->mimeData({group}), nullptr);
    QMimeData text;
    text.setText(QStringLiteral("<EXIF_Date>"));
    EXPECT_FALSE(dialog->chosenList()->model()->canDropMimeData(&text, Qt::CopyAction, 0, 0, QModelIndex()));

    // A double click on a chosen field removes it.
    doubleClickAt(dialog->chosenList(), dialog->chosenList()->model()->index(0, 0));
    EXPECT_TRUE(chosenLabels(dialog).isEmpty());
    doubleClickAt(dialog->catalogue(), field(dialog, kExif, 0));
    EXPECT_EQ(chosenLabels(dialog), QStringList{QStringLiteral("Date")});

    click(button(dialog, msg("CANCEL")));
    EXPECT_EQ(MetaDataField::getTagsList(state.settings.photoMetaDataList()), QStringList{QStringLiteral("<EXIF_Time>")});
    EXPECT_EQ(state.settings.text(QStringLiteral("photoRenamingMask")), mask);
    EXPECT_EQ(ui.settingsRefreshes, 0);
}

} // namespace
