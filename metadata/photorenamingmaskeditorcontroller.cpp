#include "metadata/photorenamingmaskeditorcontroller.h"

#include <utility>

PhotoRenamingMaskEditorController::PhotoRenamingMaskEditorController(QList<MetaDataCategory> categories,
                                                                     QList<MetaDataField> metadataFields)
    : categories_(std::move(categories))
    , metadataFields_(std::move(metadataFields))
{
}

void PhotoRenamingMaskEditorController::selectRow(int row)
{
    selectedRow_ = row >= 0 && row < metadataFields_.size() ? row : -1;
}

void PhotoRenamingMaskEditorController::setGroupExpanded(int group, bool expanded)
{
    if (expanded)
        expandedGroups_.insert(group);
    else
        expandedGroups_.remove(group);
}

QString PhotoRenamingMaskEditorController::objectValueForTableColumn(int row, const QString& identifier) const
{
    if (row < 0 || row >= metadataFields_.size())
        return QString();
    const MetaDataField& field = metadataFields_.at(row);
    if (identifier == QLatin1String("label"))
        return field.label;
    if (identifier == QLatin1String("category"))
        return field.prefix;
    if (identifier == QLatin1String("tagCode"))
        return field.tagCode;
    return QString();
}

const MetaDataField* PhotoRenamingMaskEditorController::fieldAt(CatalogueRow row) const
{
    if (row.group < 0 || row.group >= categories_.size())
        return nullptr;
    const QList<MetaDataField>& fields = categories_.at(row.group).fields;
    if (row.row < 0 || row.row >= fields.size())
        return nullptr;
    return &fields.at(row.row);
}

void PhotoRenamingMaskEditorController::insertField(const MetaDataField& field, int at)
{
    MetaDataField copy = field;
    copy.metadataValue = QVariant();
    metadataFields_.insert(at, copy);
}

bool PhotoRenamingMaskEditorController::doubleClickCatalogue(CatalogueRow row)
{
    const MetaDataField* field = fieldAt(row);
    if (!field)
        return false;
    if (selectedRow_ < 1) {
        insertField(*field, int(metadataFields_.size()));
        selectedRow_ = 0;
    } else {
        insertField(*field, selectedRow_);
    }
    return true;
}

bool PhotoRenamingMaskEditorController::doubleClickMetadataFields()
{
    if (selectedRow_ < 0 || selectedRow_ >= metadataFields_.size())
        return false;
    metadataFields_.removeAt(selectedRow_);
    selectRow(selectedRow_);
    return true;
}

std::optional<QByteArray> PhotoRenamingMaskEditorController::dragDataForCatalogueRow(CatalogueRow row) const
{
    const MetaDataField* field = fieldAt(row);
    if (!field)
        return std::nullopt;
    return MetaDataField::archiveList({*field});
}

bool PhotoRenamingMaskEditorController::acceptDrop(const QString& type, const QByteArray& data, int row)
{
    if (type != MetaDataPBoardType)
        return false;
    const std::optional<QList<MetaDataField>> fields = MetaDataField::unarchiveList(data);
    if (!fields || fields->isEmpty())
        return false;
    const int at = qBound(0, row, int(metadataFields_.size()));
    insertField(fields->last(), at);
    selectedRow_ = at;
    return true;
}

bool PhotoRenamingMaskEditorController::isMoveUpEnabled() const
{
    return metadataFields_.size() > 1 && selectedRow_ > 0 && selectedRow_ < metadataFields_.size();
}

bool PhotoRenamingMaskEditorController::isMoveDownEnabled() const
{
    return metadataFields_.size() > 1 && selectedRow_ >= 0 && selectedRow_ < metadataFields_.size() - 1;
}

void PhotoRenamingMaskEditorController::moveUp()
{
    if (!isMoveUpEnabled())
        return;
    metadataFields_.swapItemsAt(selectedRow_, selectedRow_ - 1);
    --selectedRow_;
}

void PhotoRenamingMaskEditorController::moveDown()
{
    if (!isMoveDownEnabled())
        return;
    metadataFields_.swapItemsAt(selectedRow_, selectedRow_ + 1);
    ++selectedRow_;
}

void PhotoRenamingMaskEditorController::clearSelected()
{
    if (selectedRow_ >= 0 && selectedRow_ < metadataFields_.size())
        metadataFields_.removeAt(selectedRow_);
    selectRow(0);
}

std::optional<PhotoRenamingMaskEditorController::CatalogueRow>
PhotoRenamingMaskEditorController::filterItems(const QString& text)
{
    if (text.isEmpty())
        return std::nullopt;
    std::optional<CatalogueRow> found;
    for (int g = 0; g < categories_.size() && !found; ++g) {
        const QList<MetaDataField>& fields = categories_.at(g).fields;
        for (int r = 0; r < fields.size(); ++r) {
            if (fields.at(r).label.contains(text, Qt::CaseInsensitive)) {
                found = CatalogueRow{g, r};
                break;
            }
        }
    }
    catalogueSelection_ = CatalogueRow();
    if (found) {
        expandedGroups_ = {found->group};
        catalogueSelection_ = *found;
    }
    isMatchShowing_ = found.has_value();
    return found;
}

bool PhotoRenamingMaskEditorController::returnInSearchField()
{
    return isMatchShowing_ && doubleClickCatalogue(catalogueSelection_);
}

QList<MetaDataField> PhotoRenamingMaskEditorController::sheetClosed()
{
    if (delegate)
        delegate(metadataFields_);
    return metadataFields_;
}
