#pragma once

#include "metadata/photorenamingmaskeditorcontroller.h"

#include <QAbstractItemModel>

// The metadata field catalogue as a two-level tree for the mask editor: the groups, and
// under each its fields. Only field rows can be dragged; their drag data is the editor's
// "MetaDataPBoardType" archive.
class MetaDataCatalogueModel : public QAbstractItemModel {
public:
    using CatalogueRow = PhotoRenamingMaskEditorController::CatalogueRow;

    MetaDataCatalogueModel(const PhotoRenamingMaskEditorController& editor, QObject* parent);

    CatalogueRow catalogueRow(const QModelIndex& index) const;
    QModelIndex indexOf(CatalogueRow row) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;

private:
    const PhotoRenamingMaskEditorController& editor_;
};
