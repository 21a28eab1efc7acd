#include "large_pages.h"

#include <cstdlib>
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
