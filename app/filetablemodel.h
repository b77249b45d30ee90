#pragma once

#include "app/fileicons.h"
#include "metadata/clockshifts.h"
#include "pipeline/listsort.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>

class FileSystemItem;
struct ControllerState;

// The file table over the controller's list: one row per item, columns named by the item
// keys they show ("icon", "filenameWithExtension", "newFilename", "fileLocation",
// "fileType"), then the facts the list sorts by ("dateTaken", "dateModified", "fileSize",
// shown as the items hold them: the model never reads a file). While a background pass owns the list the model is detached and shows no
// rows, so the view never reads items the worker is changing.
class FileTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit FileTableModel(ControllerState& state, QObject* parent = nullptr);

    static const QStringList& columnKeys();
    static int columnOf(const QString& key);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Column sorting: a stable sort of the list by the column's key (compareFiles).
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Drops: lists of file URLs only; the local paths go to onDropPaths.
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;
    // The user sorted the list by a column (the order of the items changed).
    std::function<void()> onSorted;
    // The user sorted by a fact the files may first have to be read for (a pass).
    std::function<void(const ListSort& sort)> onSortByFacts;
    // The sort a facts column stands for (nullopt for the other columns).
    static std::optional<ListSort> factsSort(int column, Qt::SortOrder order = Qt::AscendingOrder);
    std::function<void(const QStringList& paths)> onDropPaths;

    // A pass takes the list (no rows shown) and gives it back (all rows shown again).
    void detach();
    void attach();
    bool isDetached() const { return detached_; }
    // The list changed as a whole; ignored while detached (attach shows the new state).
    void reload();

private:
    QVariant factText(const FileSystemItem& item, const QString& key) const;
    QString withFollowerCount(const QString& name, const FileSystemItem& item) const;
    QString followersTip(const FileSystemItem& item) const;

    ControllerState& state_;
    // The clock shifts as last parsed, and the stored entries they came from.
    mutable QStringList shiftEntries_;
    mutable ClockShifts shifts_;
    mutable FileIcons icons_;
    bool detached_ = false;
};
