#pragma once

#include <QString>

#include <atomic>
#include <functional>
#include <optional>
#include <vector>

class FileList;
class FileSystemItem;
class PassProgress;
class SettingsReader;
class UserInterface;
struct ControllerState;

// An order of the list by name, capture time ("Date Taken"), modification time or size,
// ascending or descending. Sequence numbers follow the list's order, and the per-folder
// reset keeps it inside each folder.
struct ListSort {
    enum class By { Name, Taken, Modified, Size };
    By by = By::Name;
    bool descending = false;

    // "name", "taken", "modified" or "size", optionally followed by ",desc" (or ",asc").
    static std::optional<ListSort> parse(const QString& text);
    // What the files must be read for: their capture moments, or their size and time.
    bool readsCapture() const { return by == By::Taken; }
    bool readsFiles() const { return by != By::Name; }
    bool operator==(const ListSort&) const = default;
};

namespace ListSorting {

// Whether some item's facts must be read before sorting the list this way.
bool needsReading(const std::vector<FileSystemItem>& items, const ListSort& sort);
// Reads what the sort needs of each item that lacks it, on the pass's thread: each item's
// path is shown, and `cancel` stops the reading between items (what was read is kept).
// False when cancelled.
bool readFacts(std::vector<FileSystemItem>& items, const ListSort& sort, const std::atomic<bool>& cancel,
               PassProgress& progress);
// Sorts the list from the facts its items hold (nothing is read): by name as the Filename
// column sorts; by a fact with equal values by name, the items without one last. The
// capture moments take the camera clock shifts and video time setting of `settings`.
void sort(FileList& list, const ListSort& sort, const SettingsReader& settings);

// Sorts the list, reading first on the worker thread what is not read yet (a pass with
// progress and Cancel). `finished(sorted)` runs on the main thread when the pass is over;
// sorted is false when the reading was cancelled (the order is then left as it was).
// False when a pass is already running.
bool start(ControllerState& state, UserInterface& ui, const ListSort& sort,
           std::function<void(bool sorted)> finished = {});
// The same reading without the sort (a column of those facts was shown).
bool startReading(ControllerState& state, UserInterface& ui, const ListSort& sort,
                  std::function<void(bool read)> finished = {});

} // namespace ListSorting
