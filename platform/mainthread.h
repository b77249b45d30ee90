#pragma once

#include <functional>

// Hands work from a background pass to the main thread (the thread of the
// QCoreApplication). Both run the function directly when already on the main thread.
namespace MainThread {

bool isCurrent();

// Queued: returns at once; the function runs later on the main thread.
void post(std::function<void()> fn);

// Blocking: returns after the function has run on the main thread.
void run(std::function<void()> fn);

} // namespace MainThread
