#pragma once

#include "engine/filesystemitem.h"
#include "engine/methodoptions.h"
#include "engine/methodtab.h"
#include "engine/renamingcontract.h"
#include "metadata/audiorenaming.h"
#include "metadata/photorenaming.h"

#include <QString>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

class Settings;
class SettingsReader;

// The running counters of a sequence method (numbers and letters) for one pass.
struct SequenceCounters {
    qint64 number = 0;
    QString letters;
};

// The photo method's counter and working state, shared by the photo calls of one pass.
struct PhotoRun {
    qint64 number = 1;
    // Made on first use.
    PhotoRenaming& renaming();
    // The files of readable formats the photo calls left unnamed for their extension.
    SkippedExtensions skippedExtensions() const
    {
        return renaming_ ? renaming_->skippedExtensions() : SkippedExtensions();
    }

private:
    std::unique_ptr<PhotoRenaming> renaming_;
};

// One tab's renaming method with its options, read once from a settings view for a pass
// (the selected tab of the settings record, or a rule step). Calls never copy the options.
class PreparedMethod {
public:
    PreparedMethod(MethodTab tab, const SettingsReader& settings);

    MethodTab tab() const { return tab_; }

    // Calls the method on the item. nullopt when the options make no call (no mode chosen,
    // an unknown tab); renaming from a list counts as a call that succeeds and changes nothing.
    std::optional<MethodResult> call(FileSystemItem& item, SequenceCounters& sequence, PhotoRun& photo) const;

    // The options of a sequence or photo tab; null on the other tabs.
    const SequenceOptions* sequenceOptions() const { return std::get_if<SequenceOptions>(&options_); }
    const PhotoOptions* photoOptions() const { return std::get_if<PhotoOptions>(&options_); }
    // Whether the pass restarts its counters in each folder (sequences and photos that ask).
    bool restartsInEachFolder() const;

private:
    MethodTab tab_;
    std::variant<std::monostate, SequenceOptions, InsertDeleteOptions, ReplaceRemoveOptions, PrefixSuffixOptions,
                 DateTimeOptions, GeneralOptions, AudioTagOptions, PhotoOptions, PathComponentsOptions>
        options_;
};

// The preview's dispatch: the selected tab's method with its options read once from the
// pass's settings, and the run's counters (numbers, letters, photos).
class PreviewDispatch {
public:
    explicit PreviewDispatch(const Settings& settings);
    ~PreviewDispatch();

    // The counters back to their start values (start of a run, first item of a folder).
    void resetCounters();

    // Calls the method of the tab on the item. nullopt when the tab's options make no call;
    // otherwise whether no call of the pass has failed (error is the pass's shared text).
    std::optional<bool> call(FileSystemItem& item, QString& error);

    // Reads the photos' properties of these items ahead of their naming, on a thread of its
    // own, while call() names them in this order (photo tab only; elsewhere nothing). The
    // items must stay where they are, with their paths, until stopReadingAhead() or the end
    // of this object.
    void readAhead(const std::vector<FileSystemItem>& items);
    void stopReadingAhead();

    // Whether the run restarts its counters at each folder (sequences or photos with their reset).
    bool resetsPerFolder() const { return method_.restartsInEachFolder(); }

    // What the photo method left unnamed for its extension so far.
    SkippedExtensions skippedExtensions() const { return photo_.skippedExtensions(); }

private:
    PreparedMethod method_;
    SequenceCounters sequence_;
    PhotoRun photo_;
    std::unique_ptr<PhotoLookAhead> photoLookAhead_;
};
