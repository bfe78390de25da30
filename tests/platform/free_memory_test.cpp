#include "platform/free_memory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

long ResidentBytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

} // namespace

// Blocks freed between blocks still in use are holes the allocator keeps
// resident; handing them back is the call's whole job.
TEST(FreeMemory, FreedHolesInTheHeapLeaveTheResidentSet)
{
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
    GTEST_SKIP() << "the sanitizer's allocator, or a C library without the call";
#else
    constexpr size_t kBlock = 64 * 1024; // below the size given its own mapping
    constexpr int kBlocks = 1024; // 64 MB
    std::vector<std::unique_ptr<char[]>> blocks;
    for (int i = 0; i < kBlocks; ++i) {
        blocks.emplace_back(new char[kBlock]);
        std::memset(blocks.back().get(), i, kBlock); // resident
    }
    for (int i = 0; i < kBlocks; i += 2)
        blocks[i].reset();
    const long holes = ResidentBytes();
    ReturnFreeMemory();
    const long after = ResidentBytes();
    EXPECT_GT(holes - after, 16L * 1024 * 1024) << "of the 32 MB of holes, this much went back";
#endif
}
