#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// A table over a list that a dialog's logic class owns. Columns are named by the logic's
// identifiers ("logFileName", "profileName", "isActive" ...); the model only reads through
// the functions it is given and is reloaded whole after every change of the logic.
class ListTableModel : public QAbstractTableModel {
public:
    struct Column {
        QString identifier;
        QString title;
        bool isCheckBox = false; // shown and edited as a check box ("isActive")
    };

    ListTableModel(QList<Column> columns, std::function<int()> rows,
                   std::function<QString(int row, const QString& identifier)> cell, QObject* parent);

    // A check box column: its state, and the user's edit (nothing when unset: read-only).
    std::function<bool(int row, const QString& identifier)> isChecked;
    std::function<void(int row, const QString& identifier, bool checked)> setChecked;

    // Drag and drop: the MIME data of a row (nothing: not draggable) and a drop before a
    // row (row count: at the end); dropTypes are the accepted MIME types.
    std::function<QMimeData*(int row)> dragData;
    QStringList dropTypes;
    std::function<bool(const QMimeData* data, int row)> drop;

    QString identifier(int column) const;
    void reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

private:
    QList<Column> columns_;
    std::function<int()> rows_;
    std::function<QString(int, const QString&)> cell_;
};
