#include "app/windowlayout.h"

#include "app/filetableview.h"
#include "app/mainwindow.h"
#include "platform/defaultsstore.h"
#include "platform/edition.h"

#include <QHeaderView>
#include <QSplitter>
#include <QVariantList>

namespace WindowLayout {

namespace {

const QString kGeometry = QStringLiteral("WINDOWGEOMETRY");
const QString kSplitter = QStringLiteral("WINDOWSPLITTER");
const QString kColumns = QStringLiteral("WINDOWCOLUMNS");

} // namespace

void restore(MainWindow& window)
{
    if (!Edition::current().keepsStateBetweenLaunches)
        return;
    DefaultsStore store;
    window.restoreGeometry(store.value(kGeometry).toByteArray());
    window.splitter()->restoreState(store.value(kSplitter).toByteArray());
    // Widths of the name and location columns (the icon column keeps its fixed width).
    const QVariantList widths = store.value(kColumns).toList();
    QHeaderView* header = window.table()->horizontalHeader();
    for (int column = 1; column < widths.size() && column < header->count(); ++column) {
        bool ok = false;
        const int width = widths.at(column).toInt(&ok);
        if (ok && width >= header->minimumSectionSize() && width <= 4000)
            header->resizeSection(column, width);
    }
}

void store(MainWindow& window)
{
    if (!Edition::current().keepsStateBetweenLaunches)
        return;
    DefaultsStore store;
    store.setValue(kGeometry, window.saveGeometry());
    store.setValue(kSplitter, window.splitter()->saveState());
    QVariantList widths;
    const QHeaderView* header = window.table()->horizontalHeader();
    for (int column = 0; column < header->count(); ++column)
        widths << header->sectionSize(column);
    store.setValue(kColumns, widths);
    store.synchronize();
}

} // namespace WindowLayout
