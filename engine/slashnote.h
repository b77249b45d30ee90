#pragma once

#include <atomic>

// Set whenever a "/" of a text that goes into a proposed name is written as ":" (a name
// cannot hold "/": it separates the folders of a path). Whoever shows a preview clears it
// before and reads it after, to tell the user once; one pass runs at a time.
namespace SlashNote {
inline std::atomic<bool> written{false};

inline void note()
{
    written.store(true, std::memory_order_relaxed);
}
} // namespace SlashNote
