#include "large_pages.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

void StartWithLargePages(char *argv[], const char *tunables)
{
    static const char Restarted[] = "QUILLMERE_LARGE_PAGES";
    if (std::getenv(Restarted)) {
        // Read by the C library already.
        unsetenv(Restarted);
        unsetenv("GLIBC_TUNABLES");
        return;
    }
    const char *preload = std::getenv("LD_PRELOAD");
    if (std::getenv("GLIBC_TUNABLES") || (preload && *preload))
        return;
    if (setenv("GLIBC_TUNABLES", tunables, 1) != 0 || setenv(Restarted, "1", 1) != 0)
        return;
    execv("/proc/self/exe", argv);
    // Not started again: go on as we are.
    unsetenv(Restarted);
    unsetenv("GLIBC_TUNABLES");
}

void UseLargePageHeap(size_t bytes)
{
    constexpr int LargestHeapBlock = 32 << 20;   // the C library maps larger blocks on their own
    constexpr size_t Step = 16 << 20;
    constexpr uintptr_t LargePage = 2 << 20;
    mallopt(M_ARENA_MAX, 1);
    mallopt(M_MMAP_THRESHOLD, LargestHeapBlock);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    // Grows the heap by taking blocks and freeing them: it keeps the room, untouched, and the
    // room can then be advised. The pages are only filled where the program writes.
    auto *const start = static_cast<char *>(sbrk(0));
    std::vector<void *> blocks;
    blocks.reserve(bytes / Step + 1);
    for (size_t grown = 0; grown < bytes; grown += Step)
        blocks.push_back(std::malloc(Step));
    for (void *block : blocks)
        std::free(block);
    auto *const end = static_cast<char *>(sbrk(0));
    const uintptr_t from = (reinterpret_cast<uintptr_t>(start) + LargePage - 1) & ~(LargePage - 1);
    const uintptr_t to = reinterpret_cast<uintptr_t>(end) & ~(LargePage - 1);
    if (to > from)
        madvise(reinterpret_cast<void *>(from), to - from, MADV_HUGEPAGE);
}
