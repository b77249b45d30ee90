#pragma once

// Lets the main heap of a process that may hold a long list grow in transparent huge
// pages (2 MiB) where the kernel offers them on request. A list of 100,000 items touches
// some 80 MiB of fresh heap: in 4 KiB pages that is about 20,000 page faults and as many
// TLB entries, which cost as much as a fifth of a preview. Address space is reserved, not
// memory: pages are still only made when first touched.
namespace LargeHeap {
// Call early on the thread that will do the work (allocations of other threads come from
// their own arenas). Does nothing where huge pages are unavailable or in sanitizer builds.
void prefer();
} // namespace LargeHeap
