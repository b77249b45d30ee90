#include "app/filetableview.h"

#include "platform/messages.h"

#include <QDragEnterEvent>
#include <QHeaderView>
#include <QDate>
#include <QItemSelectionModel>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

FileTableView::FileTableView(QWidget* parent)
    : QTableView(parent)
{
    setProperty("tag", 12000);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are chosen with the arrow keys; Tab goes on to the window's next control
    // instead of walking the list cell by cell.
    setTabKeyNavigation(false);
    setAlternatingRowColors(true);
    setShowGrid(false);
    setWordWrap(false);
    setIconSize(QSize(16, 16));
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DropOnly);
    setDropIndicatorShown(false);
    verticalHeader()->setVisible(false);
    // Compact rows, as file managers draw them: the text's height and a little air.
    verticalHeader()->setDefaultSectionSize(std::max(22, fontMetrics().height() + 6));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    // The spare width goes to the two name columns (shareSpareWidth), not to Location.
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    setSortingEnabled(true);
}

QList<int> FileTableView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void FileTableView::selectRows(const QList<int>& rows)
{
    if (!selectionModel() || !model())
        return;
    QItemSelection selection;
    for (int row : rows) {
        if (row >= 0 && row < model()->rowCount())
            selection.select(model()->index(row, 0), model()->index(row, model()->columnCount() - 1));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty() && rows.last() < model()->rowCount())
        selectionModel()->setCurrentIndex(model()->index(rows.last(), 1), QItemSelectionModel::NoUpdate);
}

void FileTableView::setOptionalColumns(const QList<int>& columns)
{
    optionalColumns_ = columns;
    for (int column : columns)
        setColumnHidden(column, true);
    horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(horizontalHeader(), &QHeaderView::customContextMenuRequested, this, &FileTableView::showColumnMenu,
            Qt::UniqueConnection);
}

void FileTableView::showColumnMenu(const QPoint& position)
{
    if (!model())
        return;
    QMenu menu(this);
    for (int column : optionalColumns_) {
        QAction* action = menu.addAction(model()->headerData(column, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!isColumnHidden(column));
        connect(action, &QAction::toggled, this, [this, column](bool shown) {
            setColumnHidden(column, !shown);
            if (shown) {
                // Room for a date and time as the locale writes them.
                const QString sample = QLocale().toString(QDate(2000, 12, 30), QLocale::ShortFormat)
                    + QStringLiteral(" 00:00:00");
                const int width = fontMetrics().horizontalAdvance(sample) + 24;
                if (horizontalHeader()->sectionSize(column) < width)
                    horizontalHeader()->resizeSection(column, width);
                if (onColumnShown)
                    onColumnShown(column);
            }
            shareSpareWidth();
        });
    }
    menu.exec(horizontalHeader()->viewport()->mapToGlobal(position));
}

bool FileTableView::isDropHintVisible() const
{
    return dropHintAllowed_ && model() && model()->rowCount() == 0;
}

void FileTableView::setDropHintAllowed(bool allowed)
{
    dropHintAllowed_ = allowed;
    viewport()->update();
}

bool FileTableView::accepts(const QDropEvent* event) const
{
    // Nothing dragged out of the list itself, and only what carries URLs.
    return event->source() != this && event->mimeData() && event->mimeData()->hasUrls() && model()
        && model()->canDropMimeData(event->mimeData(), Qt::CopyAction, -1, -1, QModelIndex());
}

void FileTableView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!accepts(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FileTableView::dragMoveEvent(QDragMoveEvent* event)
{
    // A drop anywhere counts as a drop on the whole list.
    if (!accepts(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void FileTableView::dropEvent(QDropEvent* event)
{
    if (!accepts(event)) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    if (model()->dropMimeData(event->mimeData(), Qt::CopyAction, -1, -1, QModelIndex()))
        event->accept();
    else
        event->ignore();
}

void FileTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (!isDropHintVisible())
        return;
    QPainter painter(viewport());
    QColor colour = palette().color(QPalette::Disabled, QPalette::Text);
    painter.setPen(colour);
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * 1.3);
    painter.setFont(font);
    const QRect area = viewport()->rect().adjusted(24, 24, -24, -24);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap, msg("DROPHINT"));
    colour.setAlpha(90);
    painter.setPen(QPen(colour, 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(viewport()->rect().adjusted(12, 12, -13, -13), 10, 10);
}

bool FileTableView::viewportEvent(QEvent* event)
{
    const bool handled = QTableView::viewportEvent(event);
    if (event->type() == QEvent::Resize)
        shareSpareWidth();
    return handled;
}

void FileTableView::shareSpareWidth()
{
    QHeaderView* header = horizontalHeader();
    if (sharing_ || header->count() < 3 || viewport()->width() <= 0)
        return;
    int used = 0;
    for (int column = 0; column < header->count(); ++column)
        used += header->isSectionHidden(column) ? 0 : header->sectionSize(column);
    const int spare = viewport()->width() - used;
    if (spare == 0)
        return;
    sharing_ = true;
    const int least = std::max(header->minimumSectionSize(), 60);
    const int first = spare / 2;
    header->resizeSection(1, std::max(least, header->sectionSize(1) + first));
    header->resizeSection(2, std::max(least, header->sectionSize(2) + spare - first));
    sharing_ = false;
}
