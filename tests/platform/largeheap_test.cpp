// A process that prefers a large heap gets its many small allocations from a range advised
// for huge pages, and those allocations behave as any others.
#include "platform/largeheap.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

bool hugePagesOffered()
{
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string line;
    std::getline(in, line);
    return line.find("[madvise]") != std::string::npos || line.find("[always]") != std::string::npos;
}

// Whether the mapping holding address is advised for huge pages ("hg" among its VmFlags).
bool isAdvisedForHugePages(const void* address)
{
    std::ifstream smaps("/proc/self/smaps");
    const uintptr_t at = reinterpret_cast<uintptr_t>(address);
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        unsigned long long start = 0, end = 0;
        if (std::sscanf(line.c_str(), "%llx-%llx ", &start, &end) == 2 && line.find(' ') > line.find('-')) {
            inside = at >= start && at < end;
            continue;
        }
        if (inside && line.rfind("VmFlags:", 0) == 0)
            return line.find(" hg") != std::string::npos;
    }
    return false;
}

// What the child found: 0 all well, 1 a value read back wrong, 2 the allocations were
// not in an advised range.
int childRun()
{
    LargeHeap::prefer();
    // 200,000 small blocks (a long list's names), written and read back after a churn of
    // frees and new allocations.
    std::vector<char*> blocks;
    for (int i = 0; i < 200000; ++i) {
        char* block = static_cast<char*>(std::malloc(48));
        std::snprintf(block, 48, "item %d", i);
        blocks.push_back(block);
    }
    for (int i = 0; i < 200000; i += 2) {
        std::free(blocks[size_t(i)]);
        blocks[size_t(i)] = static_cast<char*>(std::malloc(64));
        std::snprintf(blocks[size_t(i)], 64, "item %d again", i);
    }
    for (int i = 0; i < 200000; ++i) {
        char expected[64];
        std::snprintf(expected, sizeof expected, i % 2 ? "item %d" : "item %d again", i);
        if (std::strcmp(blocks[size_t(i)], expected) != 0)
            return 1;
    }
    const bool advised = isAdvisedForHugePages(blocks[100000]) && isAdvisedForHugePages(blocks[199999]);
    for (char* block : blocks)
        std::free(block);
    return advised ? 0 : 2;
}

} // namespace

TEST(LargeHeap, SmallAllocationsComeFromARangeAdvisedForHugePages)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers bring their own allocator";
#endif
    if (!hugePagesOffered())
        GTEST_SKIP() << "this kernel gives no huge pages on request";
    // In a fresh process: the heap of this one has been grown and shrunk by other tests.
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0)
        _exit(childRun());
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: a value read back wrong; 2: the blocks lie outside an advised range";
}
