#include "metadata/extensionseditorcontroller.h"
#include "metadata/maskcommands.h"
#include "metadata/photorenamingmaskeditorcontroller.h"

#include "engine/settings.h"
#include "platform/messages.h"
#include "support/scripteduserinterface.h"

#include <gtest/gtest.h>

namespace {

using Row = PhotoRenamingMaskEditorController::CatalogueRow;

// Catalogue rows by group index: 2 EXIF (Date, Time, Device Make, Device Model, ...),
// 6 IPTC - Contact (Address, City, ...), 7 IPTC - Origin (Date Created, Time Created, City).
const Row kDate{2, 0};
const Row kTime{2, 1};
const Row kModel{2, 3};

QStringList codes(const QList<MetaDataField>& fields)
{
    return MetaDataField::getTagsList(fields);
}

PhotoRenamingMaskEditorController editor(const QList<MetaDataField>& chosen = {})
{
    return PhotoRenamingMaskEditorController(MetaDataCatalogue().categories(), chosen);
}

} // namespace

TEST(MaskEditor, DoubleClickAppendsOrInsertsBeforeTheSelection)
{
    auto e = editor();
    EXPECT_FALSE(e.isMetadataFieldsEnabled());
    EXPECT_FALSE(e.doubleClickCatalogue(Row{2, -1})); // a group row
    EXPECT_TRUE(e.doubleClickCatalogue(kDate));
    EXPECT_EQ(e.selectedRow(), 0);
    EXPECT_TRUE(e.doubleClickCatalogue(kTime)); // selection 0 is below 1: appended
    EXPECT_EQ(codes(e.metadataFields()), (QStringList{"<EXIF_Date>", "<EXIF_Time>"}));
    EXPECT_EQ(e.selectedRow(), 0);
    e.selectRow(1);
    EXPECT_TRUE(e.doubleClickCatalogue(kModel)); // inserted before row 1 and selected
    EXPECT_EQ(codes(e.metadataFields()), (QStringList{"<EXIF_Date>", "<EXIF_Device_Model>", "<EXIF_Time>"}));
    EXPECT_EQ(e.selectedRow(), 1);
    EXPECT_TRUE(e.isMetadataFieldsEnabled());
    EXPECT_EQ(e.objectValueForTableColumn(1, "label"), "Device Model");
    EXPECT_EQ(e.objectValueForTableColumn(1, "category"), "EXIF");
    EXPECT_EQ(e.objectValueForTableColumn(1, "tagCode"), "<EXIF_Device_Model>");
    EXPECT_EQ(e.objectValueForTableColumn(1, "other"), "");
}

TEST(MaskEditor, RemoveMoveAndClearFollowTheSelection)
{
    auto e = editor();
    for (Row r : {kDate, kTime, kModel})
        e.doubleClickCatalogue(r);
    // Date, Time, Model; selection 0.
    EXPECT_FALSE(e.isMoveUpEnabled());
    EXPECT_TRUE(e.isMoveDownEnabled());
    e.moveDown();
    EXPECT_EQ(codes(e.metadataFields()), (QStringList{"<EXIF_Time>", "<EXIF_Date>", "<EXIF_Device_Model>"}));
    EXPECT_EQ(e.selectedRow(), 1);
    e.moveDown();
    EXPECT_EQ(e.selectedRow(), 2);
    EXPECT_FALSE(e.isMoveDownEnabled());
    e.moveDown(); // disabled: nothing happens
    EXPECT_EQ(codes(e.metadataFields()), (QStringList{"<EXIF_Time>", "<EXIF_Device_Model>", "<EXIF_Date>"}));
    e.moveUp();
    EXPECT_EQ(codes(e.metadataFields()), (QStringList{"<EXIF_Time>", "<EXIF_Date>", "<EXIF_Device_Model>"}));
    EXPECT_EQ(e.selectedRow(), 1);

    EXPECT_TRUE(e.doubleClickMetadataFields()); // removes the selected Date
    EXPECT_EQ(codes(e.metadataFields()), (QStringList{"<EXIF_Time>", "<EXIF_Device_Model>"}));
    EXPECT_EQ(e.selectedRow(), 1);
    e.selectRow(-1);
    EXPECT_FALSE(e.doubleClickMetadataFields());

    e.selectRow(1);
    e.clearSelected();
    EXPECT_EQ(codes(e.metadataFields()), QStringList{"<EXIF_Time>"});
    EXPECT_EQ(e.selectedRow(), 0);
    EXPECT_FALSE(e.isMoveUpEnabled());
    EXPECT_FALSE(e.isMoveDownEnabled());
    e.clearSelected();
    EXPECT_TRUE(e.metadataFields().isEmpty());
    EXPECT_EQ(e.selectedRow(), -1);
    EXPECT_FALSE(e.isClearEnabled());
    EXPECT_FALSE(e.isMetadataFieldsEnabled());
}

TEST(MaskEditor, DragAndDropCarryArchivedFields)
{
    auto e = editor();
    EXPECT_FALSE(e.dragDataForCatalogueRow(Row{3, -1}).has_value()); // groups start no drag
    const std::optional<QByteArray> data = e.dragDataForCatalogueRow(Row{7, 2});
    ASSERT_TRUE(data.has_value());
    EXPECT_FALSE(e.acceptDrop("public.text", *data, 0));
    EXPECT_FALSE(e.acceptDrop(PhotoRenamingMaskEditorController::MetaDataPBoardType, "garbage", 0));
    EXPECT_TRUE(e.acceptDrop(PhotoRenamingMaskEditorController::MetaDataPBoardType, *data, 5));
    EXPECT_EQ(codes(e.metadataFields()), QStringList{"<IPTC_Origin_City>"});
    // Several dragged fields: the last one is dropped, at the row, and selected.
    const QByteArray two = MetaDataField::archiveList(
        {*MetaDataCatalogue().fieldForTagCode("<EXIF_Date>"), *MetaDataCatalogue().fieldForTagCode("<EXIF_Time>")});
    EXPECT_TRUE(e.acceptDrop(PhotoRenamingMaskEditorController::MetaDataPBoardType, two, 0));
    EXPECT_EQ(codes(e.metadataFields()), (QStringList{"<EXIF_Time>", "<IPTC_Origin_City>"}));
    EXPECT_EQ(e.selectedRow(), 0);
}

TEST(MaskEditor, SearchSelectsTheFirstMatchingLabel)
{
    auto e = editor();
    e.setGroupExpanded(2, true);
    e.selectCatalogueRow(kDate);
    EXPECT_FALSE(e.filterItems("").has_value()); // an empty text does nothing
    EXPECT_TRUE(e.catalogueSelection() == kDate);

    const auto found = e.filterItems("CITY");
    ASSERT_TRUE(found.has_value());
    EXPECT_TRUE(*found == (Row{6, 1})); // the contact City comes before the origin City
    EXPECT_TRUE(e.isGroupExpanded(6));
    EXPECT_FALSE(e.isGroupExpanded(2));
    EXPECT_TRUE(e.isMatchShowing());
    EXPECT_TRUE(e.returnInSearchField());
    EXPECT_EQ(codes(e.metadataFields()), QStringList{"<IPTC_Contact_City>"});

    EXPECT_FALSE(e.filterItems("no such label").has_value());
    EXPECT_EQ(e.catalogueSelection().group, -1);
    EXPECT_FALSE(e.isMatchShowing());
    EXPECT_FALSE(e.returnInSearchField());
}

TEST(MaskEditor, OkHandsTheListToTheDelegateCancelDoesNot)
{
    Settings settings;
    auto e = editor();
    e.doubleClickCatalogue(kDate);
    e.doubleClickCatalogue(kDate); // the same field twice
    int calls = 0;
    e.delegate = [&](const QList<MetaDataField>& fields) {
        ++calls;
        MaskCommands::PhotoRenamingMaskEditorControllerDidFinish(settings, fields);
    };
    e.sheetClosedWithCancel();
    EXPECT_EQ(calls, 0);
    e.sheetClosed();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(settings.text("photoRenamingMask"), "<EXIF_Date><EXIF_Date>");
    EXPECT_EQ(settings.photoMetaDataList().size(), 2);
}

TEST(MaskCommands, MaskIsRebuiltFromTheChosenList)
{
    Settings s;
    s.setText("photoRenamingSeperator", "-");
    s.setFlag("isPhotoRenamingSeperator", true);
    MetaDataCatalogue catalogue;
    MaskCommands::PhotoRenamingMaskEditorControllerDidFinish(
        s, {*catalogue.fieldForTagCode("<EXIF_Date>"), *catalogue.fieldForTagCode("<EXIF_Time>"),
            *catalogue.fieldForTagCode("<EXIF_Device_Model>")});
    EXPECT_EQ(s.text("photoRenamingMask"), "<EXIF_Date>-<EXIF_Time>-<EXIF_Device_Model>");

    // In separator mode a quick command adds its field to the list, so a rebuild keeps
    // it and the editor shows it; in mask mode it appends its token to the text only.
    MaskCommands::photoRenamingMaskFilename(s);
    EXPECT_EQ(s.text("photoRenamingMask"), "<EXIF_Date>-<EXIF_Time>-<EXIF_Device_Model>-<FILEINFO_Filename>");
    ASSERT_EQ(s.photoMetaDataList().size(), 4);
    EXPECT_EQ(s.photoMetaDataList().last(), *catalogue.fieldForTagCode("<FILEINFO_Filename>"));
    s.setText("photoRenamingSeperator", "_");
    EXPECT_EQ(s.text("photoRenamingMask"), "<EXIF_Date>_<EXIF_Time>_<EXIF_Device_Model>_<FILEINFO_Filename>");
    s.setFlag("isPhotoRenamingSeperator", false);
    EXPECT_EQ(s.text("photoRenamingMask"), "<EXIF_Date><EXIF_Time><EXIF_Device_Model><FILEINFO_Filename>");
    MaskCommands::photoRenamingMaskDimensions(s);
    MaskCommands::photoRenamingMaskDeviceMake(s);
    EXPECT_EQ(s.text("photoRenamingMask"),
              "<EXIF_Date><EXIF_Time><EXIF_Device_Model><FILEINFO_Filename><EXIF_Dimensions><EXIF_Device_Make>");
    EXPECT_EQ(s.photoMetaDataList().size(), 4);

    ScriptedUserInterface ui;
    MaskCommands::photoRenamingMaskClear(s, &ui);
    EXPECT_EQ(ui.endEditingCalls, 1);
    EXPECT_TRUE(s.photoMetaDataList().isEmpty());
    EXPECT_EQ(s.text("photoRenamingMask"), "");
    // On an empty mask a quick command puts no separator first, and the editor opens
    // on the fields the commands added.
    s.setFlag("isPhotoRenamingSeperator", true);
    MaskCommands::photoRenamingMaskDate(s);
    MaskCommands::photoRenamingMaskDeviceMake(s);
    EXPECT_EQ(s.text("photoRenamingMask"), "<EXIF_Date>_<EXIF_Device_Make>");
    const QList<MetaDataField> chosen = editor(s.photoMetaDataList()).metadataFields();
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen.at(1).tagCode, "<EXIF_Device_Make>");
}

TEST(MaskCommands, AudioMenuAppendsTokens)
{
    Settings s;
    MaskCommands::id3RenamingMaskActions(s, 7);
    MaskCommands::id3RenamingMaskActions(s, 4);
    MaskCommands::id3RenamingMaskActions(s, 99); // only rebuilds
    EXPECT_EQ(s.list("id3RenamingTagsList"), (QStringList{"<TrackNumber>", "<Title>"}));
    EXPECT_EQ(s.text("id3RenamingMask"), "<TrackNumber><Title>");
    s.setText("id3RenamingSeperator", "_");
    s.setFlag("isID3RenamingSeperator", true);
    EXPECT_EQ(s.text("id3RenamingMask"), "<TrackNumber>_<Title>");
    MaskCommands::id3RenamingMaskClear(s);
    EXPECT_TRUE(s.list("id3RenamingTagsList").isEmpty());
    EXPECT_EQ(s.text("id3RenamingMask"), "");
}

TEST(ExtensionsEditor, AddsUpperCasedExtensionsOnce)
{
    ScriptedUserInterface ui;
    ExtensionsEditorController e(ui, 0, {".JPEG", ".TIF"});
    EXPECT_EQ(e.selectedRow(), 0);
    EXPECT_TRUE(e.addExtension("/photos/holiday.jpg"));
    EXPECT_EQ(e.extensions(), (QStringList{".JPEG", ".TIF", ".JPG"}));
    EXPECT_EQ(e.selectedRow(), 2);
    EXPECT_TRUE(ui.alerts.isEmpty());

    EXPECT_FALSE(e.addExtension("/elsewhere/OTHER.Jpg"));
    ASSERT_EQ(ui.alerts.size(), 1);
    EXPECT_EQ(ui.alerts[0].title, msg("ADDFILEEXTENSIONTITLE"));
    EXPECT_EQ(ui.alerts[0].message, msg("ADDFILEEXTENSIONALREADYEXISTS").arg(".JPG"));
    EXPECT_TRUE(ui.alerts[0].message.contains(".JPG"));

    // Names without an extension (".bashrc" and "a." have none) add nothing, silently.
    EXPECT_FALSE(e.addExtension("/x/README"));
    EXPECT_FALSE(e.addExtension("/x/.bashrc"));
    EXPECT_FALSE(e.addExtension("/x/a."));
    EXPECT_EQ(e.extensions().size(), 3);
    EXPECT_EQ(ui.alerts.size(), 1);

    // Through the open panel; a cancelled panel changes nothing.
    ui.openPanelAnswers = {{"/music/track.mp3"}, {}};
    e.addExtension();
    e.addExtension();
    EXPECT_EQ(e.extensions().last(), ".MP3");
    EXPECT_EQ(e.extensions().size(), 4);
    ASSERT_EQ(ui.panels.size(), 2);
    EXPECT_FALSE(ui.panels[0].canChooseDirectories);
    EXPECT_FALSE(ui.panels[0].allowsMultipleSelection);
}

TEST(ExtensionsEditor, RemoveSelectsThePreviousRow)
{
    ScriptedUserInterface ui;
    ExtensionsEditorController e(ui, 1, {".MP3", ".M4A", ".AAC"});
    e.selectRow(2);
    EXPECT_TRUE(e.removeExtension());
    EXPECT_EQ(e.extensions(), (QStringList{".MP3", ".M4A"}));
    EXPECT_EQ(e.selectedRow(), 1);
    e.selectRow(0);
    EXPECT_TRUE(e.removeExtension());
    EXPECT_EQ(e.selectedRow(), 0);
    EXPECT_TRUE(e.removeExtension()); // the only entry
    EXPECT_TRUE(e.extensions().isEmpty());
    EXPECT_EQ(e.selectedRow(), -1);
    EXPECT_FALSE(e.isRemoveEnabled());
    EXPECT_FALSE(e.removeExtension());

    ExtensionsEditorController empty(ui, 0, {});
    EXPECT_EQ(empty.selectedRow(), -1);
}

TEST(ExtensionsEditor, ApplyStoresTheListOfItsKind)
{
    ScriptedUserInterface ui;
    Settings s;
    const QStringList photo = s.list("photoExtensions");
    ExtensionsEditorController e(ui, 1, s.list("id3Extensions"));
    e.delegate = [&](const QStringList& list, int itemType) {
        MaskCommands::ExtensionsEditorControllerDidFinish(s, list, itemType);
    };
    e.addExtension("/a/b.flac");
    e.sheetClosed(); // cancel: nothing stored
    EXPECT_FALSE(s.list("id3Extensions").contains(".FLAC"));
    e.applyExtensions();
    EXPECT_EQ(s.list("id3Extensions"), (QStringList{".MP3", ".M4A", ".AAC", ".M4B", ".FLAC"}));
    EXPECT_EQ(s.list("photoExtensions"), photo);
    EXPECT_EQ(MaskCommands::extensionsText(s.list("id3Extensions")), ".MP3; .M4A; .AAC; .M4B; .FLAC");
    e.showHelp();
    EXPECT_EQ(ui.openedDocuments, QStringList{"Extensions.html"});
}
