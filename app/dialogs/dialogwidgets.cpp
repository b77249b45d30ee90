#include "app/dialogs/dialogwidgets.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

namespace DialogWidgets {

QPushButton* makeButton(QWidget* parent, const QString& text, std::function<void()> action)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, parent, [action = std::move(action)] { action(); });
    return button;
}

QTableView* makeRowTable(QWidget* parent, const QString& objectName, QAbstractItemModel* model)
{
    auto* view = new QTableView(parent);
    view->setObjectName(objectName);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->hide();
    return view;
}

void paintNow(QWidget* widget)
{
    if (widget && widget->isVisible())
        widget->repaint();
}

void selectRowQuietly(QAbstractItemView* view, int row)
{
    QItemSelectionModel* selection = view->selectionModel();
    if (!selection)
        return;
    const QSignalBlocker blocker(selection);
    selection->clearSelection();
    if (row < 0 || row >= view->model()->rowCount()) {
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    } else {
        const QModelIndex index = view->model()->index(row, 0);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        view->scrollTo(index);
    }
    // The blocked selection model did not tell the view to repaint.
    view->viewport()->update();
}

void sortOnHeaderClick(QTableView* view, std::function<void(int column, bool ascending)> sort)
{
    QHeaderView* header = view->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    {
        const QSignalBlocker blocker(header);
        header->setSortIndicator(-1, Qt::AscendingOrder);
    }
    QObject::connect(header, &QHeaderView::sortIndicatorChanged, view,
                     [sort = std::move(sort)](int column, Qt::SortOrder order) {
                         if (column >= 0)
                             sort(column, order == Qt::AscendingOrder);
                     });
}

void onRowSelected(QAbstractItemView* view, std::function<void(int row)> selected)
{
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, view,
                     [view, selected = std::move(selected)] {
                         const QModelIndexList rows = view->selectionModel()->selectedRows();
                         selected(rows.isEmpty() ? -1 : rows.first().row());
                     });
}

} // namespace DialogWidgets
