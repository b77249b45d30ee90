#include "app/dialogs/metadatacataloguemodel.h"

#include "platform/messages.h"

#include <QMimeData>

namespace {

// Internal ids: 0 for a group row, group + 1 for a field row of that group.
constexpr quintptr kGroupId = 0;

} // namespace

MetaDataCatalogueModel::MetaDataCatalogueModel(const PhotoRenamingMaskEditorController& editor, QObject* parent)
    : QAbstractItemModel(parent)
    , editor_(editor)
{
}

MetaDataCatalogueModel::CatalogueRow MetaDataCatalogueModel::catalogueRow(const QModelIndex& index) const
{
    if (!index.isValid())
        return {};
    if (index.internalId() == kGroupId)
        return {index.row(), -1};
    return {int(index.internalId() - 1), index.row()};
}

QModelIndex MetaDataCatalogueModel::indexOf(CatalogueRow row) const
{
    if (row.group < 0 || row.group >= editor_.categories().size())
        return {};
    if (row.row < 0)
        return index(row.group, 0);
    return index(row.row, 0, index(row.group, 0));
}

QModelIndex MetaDataCatalogueModel::index(int row, int column, const QModelIndex& parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    if (!parent.isValid())
        return createIndex(row, column, kGroupId);
    return createIndex(row, column, quintptr(parent.row()) + 1);
}

QModelIndex MetaDataCatalogueModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kGroupId)
        return {};
    return createIndex(int(child.internalId() - 1), 0, kGroupId);
}

int MetaDataCatalogueModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return int(editor_.categories().size());
    if (parent.internalId() != kGroupId || parent.column() != 0)
        return 0;
    return int(editor_.categories().at(parent.row()).fields.size());
}

int MetaDataCatalogueModel::columnCount(const QModelIndex&) const
{
    return 2;
}

QVariant MetaDataCatalogueModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const CatalogueRow row = catalogueRow(index);
    const MetaDataCategory& group = editor_.categories().at(row.group);
    if (row.row < 0)
        return index.column() == 0 ? group.name : QVariant();
    const MetaDataField& field = group.fields.at(row.row);
    return index.column() == 0 ? field.label : field.tagCode;
}

QVariant MetaDataCatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? msg("Metadata") : msg("Tag Code");
}

Qt::ItemFlags MetaDataCatalogueModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (catalogueRow(index).row >= 0)
        f |= Qt::ItemIsDragEnabled;
    return f;
}

QStringList MetaDataCatalogueModel::mimeTypes() const
{
    return {PhotoRenamingMaskEditorController::MetaDataPBoardType};
}

QMimeData* MetaDataCatalogueModel::mimeData(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return nullptr;
    const std::optional<QByteArray> data = editor_.dragDataForCatalogueRow(catalogueRow(indexes.first()));
    if (!data)
        return nullptr;
    auto* mime = new QMimeData;
    mime->setData(PhotoRenamingMaskEditorController::MetaDataPBoardType, *data);
    return mime;
}
