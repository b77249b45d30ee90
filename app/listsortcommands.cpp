#include "app/listsortcommands.h"

#include "app/filetablemodel.h"
#include "app/filetableview.h"
#include "app/mainwindow.h"
#include "app/qtuserinterface.h"
#include "app/quorvelappcontroller.h"
#include "pipeline/listsort.h"

#include <QHeaderView>

namespace ListSortCommands {

void sort(QuorvelAppController& controller, const ListSort& sort)
{
    QuorvelAppController* c = &controller;
    const bool started = ListSorting::start(controller.state(), controller.ui(), sort, [c](bool sorted) {
        if (!sorted)
            c->mainWindow().table()->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
        // The order changed: numbers follow it.
        c->listEdited();
    });
    if (!started)
        controller.mainWindow().table()->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
}

void readForColumn(QuorvelAppController& controller, const ListSort& facts)
{
    if (!ListSorting::needsReading(controller.state().list.files, facts))
        return;
    ListSorting::startReading(controller.state(), controller.ui(), facts);
}

void sortAgainAfterClockChange(QuorvelAppController& controller)
{
    const QHeaderView* header = controller.mainWindow().table()->horizontalHeader();
    const std::optional<ListSort> facts =
        FileTableModel::factsSort(header->sortIndicatorSection(), header->sortIndicatorOrder());
    if (facts && facts->by == ListSort::By::Taken)
        sort(controller, *facts);
}

} // namespace ListSortCommands
