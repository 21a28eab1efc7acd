// What every harness shares: cutting the input into parts, and stopping loudly on a broken rule.
#pragma once

#include <QByteArray>
#include <QList>

#include <cstdio>
#include <cstdlib>

// A broken rule is a finding: libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: rule broken: %s\n", __FILE__, __LINE__, #condition);      \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// The input's parts between NUL bytes, at most count of them (the last one takes the rest);
// missing parts are empty.
inline QList<QByteArray> fuzzParts(const uint8_t *data, size_t size, int count)
{
    QList<QByteArray> parts;
    const QByteArray all(reinterpret_cast<const char *>(data), qsizetype(size));
    qsizetype start = 0;
    while (parts.size() < count - 1) {
        const qsizetype nul = all.indexOf('\0', start);
        if (nul < 0)
            break;
        parts.append(all.mid(start, nul - start));
        start = nul + 1;
    }
    parts.append(all.mid(start));
    while (parts.size() < count)
        parts.append(QByteArray());
    return parts;
}
