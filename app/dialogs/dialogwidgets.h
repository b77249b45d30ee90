#pragma once

#include <QString>

#include <functional>

class QAbstractItemModel;
class QAbstractItemView;
class QPushButton;
class QTableView;
class QWidget;

// Small helpers shared by the dialogs. Widgets forward user signals only (clicked,
// textEdited, a header click); what the dialogs set themselves is set quietly.
namespace DialogWidgets {

// A push button labelled text (a msg() text) whose user click runs action.
QPushButton* makeButton(QWidget* parent, const QString& text, std::function<void()> action);

// Redraws a widget now: the logic classes do slow work on the main thread right after
// they report a change (checking a log), so the change is painted first.
void paintNow(QWidget* widget);

// A read-only table of model's rows for a sheet: whole rows, one at a time, no row numbers.
QTableView* makeRowTable(QWidget* parent, const QString& objectName, QAbstractItemModel* model);

// Selects one row of a view (-1: none) without telling the view's listeners.
void selectRowQuietly(QAbstractItemView* view, int row);

// A click on a column header sorts: sort gets the column's index and the direction the
// header's indicator now shows.
void sortOnHeaderClick(QTableView* view, std::function<void(int column, bool ascending)> sort);

// The user's selection of one row (-1: none).
void onRowSelected(QAbstractItemView* view, std::function<void(int row)> selected);

} // namespace DialogWidgets
