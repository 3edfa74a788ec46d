// Memory freed by the game handed back to the system at once, not kept in the heap's gaps.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/platform.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BRAMBLETON_OWN_ALLOCATOR 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define BRAMBLETON_OWN_ALLOCATOR 1
#endif

namespace {
[[maybe_unused]] long ResidentKiB() {  // unused where the test is skipped
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr) return -1;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = -1;
    std::fclose(f);
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}
}  // namespace

TEST(FreedMemory, GapsInTheHeapGoBackToTheSystem) {
#if defined(BRAMBLETON_OWN_ALLOCATOR) || !defined(__GLIBC__)
    GTEST_SKIP() << "the sanitizer's allocator keeps freed memory on purpose";
#else
    // 24 MiB in small blocks, all freed but the last: the block on top keeps the heap from
    // shrinking by itself, as a picture loaded later does in the game.
    std::vector<std::unique_ptr<char[]> > blocks;
    for (int i = 0; i < 24 * 1024; ++i) {
        blocks.emplace_back(new char[1000]);
        for (int b = 0; b < 1000; b += 512) blocks.back()[b] = static_cast<char>(i);
    }
    auto top = std::move(blocks.back());
    blocks.clear();
    const long held = ResidentKiB();
    ASSERT_GT(held, 0);
    SysReturnFreedMemory();
    EXPECT_LT(ResidentKiB(), held - 16 * 1024) << "the freed 24 MiB stay resident";
    EXPECT_EQ(top[0], static_cast<char>(24 * 1024 - 1));
#endif
}
