#pragma once

class QuorvelAppController;
struct ListSort;

// The window's sorts by Date Taken, Date Modified and Size, and the showing of those
// columns: the files are read first where needed, in a pass with progress and Cancel.
namespace ListSortCommands {

// Sorts the list (the header's sort indicator is cleared when the reading is cancelled).
void sort(QuorvelAppController& controller, const ListSort& sort);
// Reads what a newly shown column displays, when some item lacks it.
void readForColumn(QuorvelAppController& controller, const ListSort& facts);
// The camera clocks changed: a list sorted by Date Taken takes the order of the shifted
// times (the capture times are read already, so nothing is read again).
void sortAgainAfterClockChange(QuorvelAppController& controller);

} // namespace ListSortCommands
