#pragma once

#include "engine/filesystemitem.h"

#include <QVariantMap>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

// Reads the image properties of a list's photos ahead of their naming, on a thread of its
// own: the naming keeps its list order on its own thread and takes each photo's properties
// when it reaches it, while the next photos are being opened and parsed. When the naming
// catches up with the reader, it reads the next photos itself instead of waiting, so that on
// two cores both threads read. At most kDepth photos are held, whatever the length of the
// list.
class PhotoLookAhead {
public:
    static constexpr size_t kDepth = 64;

    // Reads, in list order, the properties in `groups` of each item `wanted` accepts. The
    // items must neither move nor change their paths while this object lives; `wanted` is
    // called on both threads and may look at nothing but an item's path and type.
    PhotoLookAhead(const std::vector<FileSystemItem>& items, unsigned groups,
                   std::function<bool(const FileSystemItem&)> wanted);
    // Stops the reading (a photo being read is finished first).
    ~PhotoLookAhead();
    PhotoLookAhead(const PhotoLookAhead&) = delete;
    PhotoLookAhead& operator=(const PhotoLookAhead&) = delete;

    // The properties of `item`, one of the items, read with `groups` (by the reader, or
    // here when the reader has not got to it); while the reader finishes it, this thread
    // reads the photos after it. nullopt when this object does not read them (an item of
    // another list, other groups, an item `wanted` refused): the caller reads them itself.
    // Items are taken in list order: those skipped are dropped.
    std::optional<QVariantMap> take(const FileSystemItem& item, unsigned groups);

private:
    enum class SlotState { Reading, Read, NotWanted };
    struct Slot {
        SlotState state = SlotState::Reading;
        QVariantMap properties;
    };

    void readAll();
    // Starts on the first item nobody has started on and reads it, the lock released
    // meanwhile; its slot then holds the result.
    void readNext(std::unique_lock<std::mutex>& lock);
    // Drops the slots of the items before `index` (taken or skipped).
    void dropBefore(size_t index);

    const std::vector<FileSystemItem>& items_;
    const unsigned groups_;
    const std::function<bool(const FileSystemItem&)> wanted_;

    std::mutex mutex_;
    std::condition_variable readerWakes_;
    std::condition_variable takerWakes_;
    // The slots of the items from windowStart_ up to nextItem_, the first item nobody has
    // started on.
    std::deque<Slot> window_;
    size_t windowStart_ = 0;
    size_t nextItem_ = 0;
    bool stopping_ = false;
    std::thread reader_;
};
