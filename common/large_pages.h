// Taking memory in large pages: by starting once more with the C library told so, or by
// advising the heap from within.
#pragma once

#include <cstddef>

// Starts the running program again, once, with the C library's memory options set to tunables
// (as GLIBC_TUNABLES writes them). Not when the user set options of their own, nor under a
// preloaded checker or profiler, which would lose the process. Returns in the new start, or when
// no new start could be made; either way the environment is as the user left it, so that
// programs started from here keep their own defaults.
void StartWithLargePages(char *argv[], const char *tunables);

// Makes the heap take its next bytes in large pages, from one heap for every thread, and keep
// what is freed for the next block instead of giving it back: for a program that fills much
// memory at once and then exits. Blocks of 32 MB and over are still mapped on their own. Call it
// before any thread starts.
void UseLargePageHeap(size_t bytes);
