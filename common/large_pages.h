// Starting a program once more with the C library told to take memory in large pages.
#pragma once

// Starts the running program again, once, with the C library's memory options set to tunables
// (as GLIBC_TUNABLES writes them). Not when the user set options of their own, nor under a
// preloaded checker or profiler, which would lose the process. Returns in the new start, or when
// no new start could be made; either way the environment is as the user left it, so that
// programs started from here keep their own defaults.
void StartWithLargePages(char *argv[], const char *tunables);
