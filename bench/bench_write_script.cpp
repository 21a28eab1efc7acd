// Writes the 50 MB NPC script the benchmarks open, for the scripts that time whole programs.
//
// Usage: bench_write_script PATH [megabytes]
#include <QFile>

#include <cstdio>
#include <cstdlib>

#include "bench_support.h"

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_write_script PATH [megabytes]\n");
        return 2;
    }
    const qint64 megabytes = argc > 2 ? std::max(1, atoi(argv[2])) : 50;
    const int blockBytes = int(bench::makeGuideScript(1000).size() / 1000);
    const QByteArray script = bench::makeGuideScript(int(megabytes * 1024 * 1024 / blockBytes));
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(script) != script.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("%lld bytes\n", static_cast<long long>(script.size()));
    return 0;
}
