#pragma once

#include "engine/metadatafield.h"
#include "metadata/metadatacatalogue.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// The logic of the photo mask editor sheet, without widgets: the catalogue to choose from
// (categories), the chosen list (metadataFields) with its selection, the catalogue's
// selection and expanded groups, and the search. The window shows this state and forwards
// the user's gestures here.
class PhotoRenamingMaskEditorController {
public:
    // A row of the catalogue: a group (row -1) or the row-th field of group.
    struct CatalogueRow {
        int group = -1;
        int row = -1;
        bool operator==(const CatalogueRow& other) const { return group == other.group && row == other.row; }
    };

    // The private drag type of catalogue fields; its data is a keyed archive of fields.
    static inline const QString MetaDataPBoardType = QStringLiteral("MetaDataPBoardType");

    // categories: the application's catalogue; metadataFields: a copy of photoMetaDataList.
    PhotoRenamingMaskEditorController(QList<MetaDataCategory> categories, QList<MetaDataField> metadataFields);

    // Receives the edited list when the user presses OK (PhotoRenamingMaskEditorControllerDidFinish).
    std::function<void(const QList<MetaDataField>&)> delegate;

    const QList<MetaDataCategory>& categories() const { return categories_; }
    const QList<MetaDataField>& metadataFields() const { return metadataFields_; }

    // The chosen list's selected row (-1: none) and whether the list is enabled.
    int selectedRow() const { return selectedRow_; }
    void selectRow(int row);
    bool isMetadataFieldsEnabled() const { return !metadataFields_.isEmpty(); }

    // The catalogue's selection (nothing when group is -1) and its expanded groups.
    CatalogueRow catalogueSelection() const { return catalogueSelection_; }
    void selectCatalogueRow(CatalogueRow row) { catalogueSelection_ = row; }
    bool isGroupExpanded(int group) const { return expandedGroups_.contains(group); }
    void setGroupExpanded(int group, bool expanded);

    // The chosen-fields table's cell: "label", "category" (the prefix) or "tagCode"; "".
    QString objectValueForTableColumn(int row, const QString& identifier) const;

    // Double click (or Return) on a catalogue row: a field is appended when the chosen
    // list's selection is below 1 (then row 0 is selected), otherwise inserted before the
    // selected row and selected. A group row does nothing. True when a field was added.
    bool doubleClickCatalogue(CatalogueRow row);
    // Double click (or forward delete) on the chosen list: removes the selected entry.
    bool doubleClickMetadataFields();

    // The drag data of a catalogue row: only a field can be dragged.
    std::optional<QByteArray> dragDataForCatalogueRow(CatalogueRow row) const;
    // A drop on the chosen list at row: accepted only for MetaDataPBoardType data holding
    // fields; the last dragged field is inserted at the row and selected.
    bool acceptDrop(const QString& type, const QByteArray& data, int row);

    void moveUp();
    void moveDown();
    void clearSelected();
    bool isMoveUpEnabled() const;
    bool isMoveDownEnabled() const;
    bool isClearEnabled() const { return !metadataFields_.isEmpty(); }

    // The search field: the first field (groups, then fields in order) whose label holds
    // text, ignoring case. The catalogue's selection is cleared; a found field's group
    // alone is expanded and the field selected. An empty text does nothing (nothing).
    std::optional<CatalogueRow> filterItems(const QString& text);
    // Whether the last search showed a match; Return in the search field then adds it.
    bool isMatchShowing() const { return isMatchShowing_; }
    bool returnInSearchField();

    // OK: hands the edited list to the delegate. Cancel tells nobody.
    QList<MetaDataField> sheetClosed();
    void sheetClosedWithCancel() {}

private:
    const MetaDataField* fieldAt(CatalogueRow row) const;
    void insertField(const MetaDataField& field, int at);

    QList<MetaDataCategory> categories_;
    QList<MetaDataField> metadataFields_;
    int selectedRow_ = -1;
    CatalogueRow catalogueSelection_;
    QSet<int> expandedGroups_;
    bool isMatchShowing_ = false;
};
