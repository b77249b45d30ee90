#include "metadata/photolookahead.h"

#include "platform/imagemetadata.h"

PhotoLookAhead::PhotoLookAhead(const std::vector<FileSystemItem>& items, unsigned groups,
                               std::function<bool(const FileSystemItem&)> wanted)
    : items_(items)
    , groups_(groups)
    , wanted_(std::move(wanted))
    , reader_([this] { readAll(); })
{
}

PhotoLookAhead::~PhotoLookAhead()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    readerWakes_.notify_one();
    reader_.join();
}

void PhotoLookAhead::readAll()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        readerWakes_.wait(lock, [&] { return stopping_ || nextItem_ - windowStart_ < kDepth; });
        if (stopping_ || nextItem_ >= items_.size())
            return;
        readNext(lock);
        takerWakes_.notify_one();
    }
}

void PhotoLookAhead::readNext(std::unique_lock<std::mutex>& lock)
{
    const size_t index = nextItem_++;
    window_.emplace_back();
    lock.unlock();

    const FileSystemItem& item = items_[index];
    std::optional<QVariantMap> properties;
    if (wanted_(item))
        properties = ImageMetadata::readProperties(item.fullPath, groups_);

    lock.lock();
    // The taker may have dropped the slot meanwhile (it skipped the item).
    if (index >= windowStart_) {
        Slot& slot = window_[index - windowStart_];
        slot.state = properties ? SlotState::Read : SlotState::NotWanted;
        if (properties)
            slot.properties = std::move(*properties);
    }
}

void PhotoLookAhead::dropBefore(size_t index)
{
    bool dropped = false;
    while (windowStart_ < index && !window_.empty()) {
        window_.pop_front();
        ++windowStart_;
        dropped = true;
    }
    if (windowStart_ < index) {
        // Items nobody has started on: no one will.
        windowStart_ = index;
        nextItem_ = std::max(nextItem_, index);
    }
    if (dropped)
        readerWakes_.notify_one();
}

std::optional<QVariantMap> PhotoLookAhead::take(const FileSystemItem& item, unsigned groups)
{
    if (groups != groups_ || items_.empty() || &item < items_.data() || &item >= items_.data() + items_.size())
        return std::nullopt;
    const size_t index = size_t(&item - items_.data());

    std::unique_lock lock(mutex_);
    if (index < windowStart_)
        return std::nullopt; // taken already, or out of order
    dropBefore(index);
    if (index == nextItem_)
        readNext(lock); // the reader has not got here
    // While the reader finishes this photo, this thread reads the next ones: on two cores
    // both threads read instead of one waiting for the other.
    while (window_.front().state == SlotState::Reading) {
        if (nextItem_ < items_.size() && nextItem_ - windowStart_ < kDepth)
            readNext(lock);
        else
            takerWakes_.wait(lock);
    }
    Slot slot = std::move(window_.front());
    window_.pop_front();
    ++windowStart_;
    lock.unlock();
    readerWakes_.notify_one();
    if (slot.state == SlotState::NotWanted)
        return std::nullopt;
    return std::move(slot.properties);
}
