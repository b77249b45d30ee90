#include "platform/largeheap.h"

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {
constexpr size_t kReserve = size_t(512) << 20;   // how far the heap grows at a time
constexpr size_t kLargeBlock = size_t(32) << 20; // blocks below this come from the heap
constexpr uintptr_t kHugePage = uintptr_t(2) << 20;
// Larger than any free block the heap holds this early, so that it comes from the top.
constexpr size_t kProbe = size_t(256) << 10;
// The part of the heap's top below its first huge page, held for the life of the process.
void* g_belowHugePages = nullptr;

// The first line of a kernel setting, or nothing when it cannot be read.
std::string firstLine(const char* path)
{
    std::FILE* f = std::fopen(path, "re");
    if (!f)
        return {};
    char line[128] = {};
    const bool read = std::fgets(line, sizeof line, f) != nullptr;
    std::fclose(f);
    return read ? std::string(line) : std::string();
}

// Huge pages are given to advised ranges ("[madvise]" or "[always]"), and reserved address
// space is not charged as memory (strict overcommit, mode 2, would charge all of it).
bool hugePagesOnRequest()
{
    const std::string enabled = firstLine("/sys/kernel/mm/transparent_hugepage/enabled");
    const bool offered = enabled.find("[madvise]") != std::string::npos || enabled.find("[always]") != std::string::npos;
    return offered && firstLine("/proc/sys/vm/overcommit_memory").rfind("2", 0) != 0;
}
} // namespace

void LargeHeap::prefer()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return;
#else
    if (!hugePagesOnRequest())
        return;
    // The heap grows by kReserve whenever it must grow, and keeps that much free at its top
    // instead of handing it back; large vectors come from it too rather than from mappings
    // of their own.
    mallopt(M_TOP_PAD, int(kReserve));
    mallopt(M_TRIM_THRESHOLD, int(kReserve));
    mallopt(M_MMAP_THRESHOLD, int(kLargeBlock));
    // Grow it now, while the advice can still cover the new part: ask for more than the
    // free space at the top until the break moves, then give the blocks back (they stay
    // in the heap's top).
    char* const before = static_cast<char*>(sbrk(0));
    std::vector<void*> blocks;
    for (int i = 0; i < 8 && static_cast<char*>(sbrk(0)) == before; ++i)
        blocks.push_back(malloc(std::min(mallinfo2().keepcost + 65536, kLargeBlock - 4096)));
    char* const after = static_cast<char*>(sbrk(0));
    for (void* block : blocks)
        free(block);
    if (after <= before)
        return;
    const uintptr_t start = (reinterpret_cast<uintptr_t>(before) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = reinterpret_cast<uintptr_t>(after) & ~(kHugePage - 1);
    if (end <= start)
        return;
    madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
    // The top of the heap starts below the first huge page, in small pages, each of which
    // would fault on its own (about 10 us each on a virtual machine, where clearing a huge
    // page costs about as much as a dozen): that part is taken by a block that is never
    // written, so that what is allocated next starts on the huge page. Found with a probe
    // block, carved from the top like the block that follows it.
    void* const probe = malloc(kProbe);
    const uintptr_t at = reinterpret_cast<uintptr_t>(probe);
    free(probe);
    if (at >= start || at + kHugePage < start)
        return; // not carved from the top
    const size_t gap = start - at;
    if (gap > 64)
        g_belowHugePages = malloc(gap - 32);
#endif
}
