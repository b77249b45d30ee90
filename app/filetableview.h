#pragma once

#include <QList>
#include <QTableView>

#include <functional>

// The file table (control tag 12000): rows selected whole, columns sortable by a click on
// their header, file URLs from other programs dropped anywhere on it, and the drop hint
// drawn while the list is empty.
class FileTableView : public QTableView {
    Q_OBJECT
public:
    explicit FileTableView(QWidget* parent = nullptr);

    // The selected rows in ascending order.
    QList<int> selectedRows() const;
    // Selects exactly these rows (the current row becomes the last of them).
    void selectRows(const QList<int>& rows);

    // Whether the drop hint is drawn: the list is empty and no pass hides it.
    bool isDropHintVisible() const;
    void setDropHintAllowed(bool allowed);

    // Columns hidden at first that the header's context menu shows and hides again (one
    // checkable entry each, named by the column's header).
    void setOptionalColumns(const QList<int>& columns);
    // An optional column was shown from the menu.
    std::function<void(int column)> onColumnShown;

    // The list's width changed (the window, the drawer, a scroll bar): the Filename and
    // New Filename columns share the difference, the other columns keep their widths.
    void shareSpareWidth();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    bool accepts(const QDropEvent* event) const;
    void showColumnMenu(const QPoint& position);
    QList<int> optionalColumns_;
    bool dropHintAllowed_ = true;
    bool sharing_ = false;
};
