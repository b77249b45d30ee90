#include "app/dialogs/listtablemodel.h"

#include <QMimeData>

#include <utility>

ListTableModel::ListTableModel(QList<Column> columns, std::function<int()> rows,
                               std::function<QString(int, const QString&)> cell, QObject* parent)
    : QAbstractTableModel(parent)
    , columns_(std::move(columns))
    , rows_(std::move(rows))
    , cell_(std::move(cell))
{
}

QString ListTableModel::identifier(int column) const
{
    return column >= 0 && column < columns_.size() ? columns_.at(column).identifier : QString();
}

void ListTableModel::reload()
{
    beginResetModel();
    endResetModel();
}

int ListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows_();
}

int ListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant ListTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows_() || index.column() >= columns_.size())
        return QVariant();
    const Column& column = columns_.at(index.column());
    if (column.isCheckBox) {
        if (role == Qt::CheckStateRole && isChecked)
            return isChecked(index.row(), column.identifier) ? Qt::Checked : Qt::Unchecked;
        return QVariant();
    }
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cell_(index.row(), column.identifier);
    return QVariant();
}

bool ListTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || !setChecked)
        return false;
    const Column& column = columns_.at(index.column());
    if (!column.isCheckBox)
        return false;
    setChecked(index.row(), column.identifier, value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

QVariant ListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns_.size())
        return columns_.at(section).title;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ListTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return drop ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (columns_.at(index.column()).isCheckBox && setChecked)
        f |= Qt::ItemIsUserCheckable;
    if (dragData)
        f |= Qt::ItemIsDragEnabled;
    return f;
}

QStringList ListTableModel::mimeTypes() const
{
    return dropTypes;
}

QMimeData* ListTableModel::mimeData(const QModelIndexList& indexes) const
{
    if (!dragData || indexes.isEmpty())
        return nullptr;
    return dragData(indexes.first().row());
}

Qt::DropActions ListTableModel::supportedDropActions() const
{
    return drop ? Qt::CopyAction : Qt::IgnoreAction;
}

bool ListTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction, int, int, const QModelIndex&) const
{
    if (!drop || !data)
        return false;
    for (const QString& type : dropTypes) {
        if (data->hasFormat(type))
            return true;
    }
    return false;
}

bool ListTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                                  const QModelIndex& parent)
{
    if (!canDropMimeData(data, action, row, column, parent))
        return false;
    // On an item: before that item's row; between rows: at row; on empty space: at the end.
    const int at = parent.isValid() ? parent.row() : (row >= 0 ? row : rows_());
    return drop(data, at);
}
