#pragma once

#include "engine/filesystemitem.h"
#include "engine/settings.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

// Maps the selected tab to its renaming method and the settings to the method's
// arguments. The arguments are read once from the pass's settings snapshot; the three
// sequence counters (numeric, alphabetic, photo) live here for the run.
class PreviewDispatch {
public:
    explicit PreviewDispatch(const Settings& settings);
    ~PreviewDispatch();

    // The counters back to their start values (start of a run, first item of a folder).
    void resetCounters();

    // Calls the method of the tab on the item. nullopt when the tab's row makes no call;
    // tab 9 counts as a successful call that changes nothing.
    std::optional<bool> call(FileSystemItem& item, QString& error);

    // Reads the photos' properties of these items ahead of their naming, on a thread of its
    // own, while call() names them in this order (photo tab only; elsewhere nothing). The
    // items must stay where they are, with their paths, until stopReadingAhead() or the end
    // of this object.
    void readAhead(const std::vector<FileSystemItem>& items);
    void stopReadingAhead();

    // Whether the run restarts its counters at each folder (tab 0 or 7 with their reset).
    bool resetsPerFolder() const;

private:
    struct Args;
    std::unique_ptr<Args> a_;
};
