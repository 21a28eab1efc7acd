// Decoding and encoding of UTF-8 and Windows-1252 text.
#include "text_codec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five undefined ones map to the C1 control of the same value.
constexpr char16_t high1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The UTF-8 form of each Windows-1252 byte from 0x80 up: two or three bytes.
struct Utf8Form
{
    char bytes[3];
    unsigned char length;
};

constexpr std::array<Utf8Form, 128> makeUtf8Forms()
{
    std::array<Utf8Form, 128> forms{};
    for (int i = 0; i < 128; ++i) {
        const unsigned int u = i < 32 ? high1252[i] : 0x80u + i;
        if (u < 0x800)
            forms[i] = {{char(0xC0 | (u >> 6)), char(0x80 | (u & 0x3F)), 0}, 2};
        else
            forms[i] = {{char(0xE0 | (u >> 12)), char(0x80 | ((u >> 6) & 0x3F)), char(0x80 | (u & 0x3F))}, 3};
    }
    return forms;
}

constexpr std::array<Utf8Form, 128> utf8Forms = makeUtf8Forms();

constexpr quint64 highBits = 0x8080808080808080ULL;

// Advances p past plain ASCII eight bytes at a time; stops at a word holding a byte from 0x80 up,
// or where fewer than eight bytes are left.
inline const unsigned char *skipAsciiWords(const unsigned char *p, const unsigned char *end)
{
    while (end - p >= 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        if (word & highBits)
            break;
        p += 8;
    }
    return p;
}

} // namespace

namespace TextCodec {

bool isValidUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = p + bytes.size();
    while (p < end) {
        // Most script text is plain ASCII.
        p = skipAsciiWords(p, end);
        while (p < end && *p < 0x80)
            ++p;
        if (p == end)
            break;
        int extra;
        unsigned int code;
        if ((*p & 0xE0) == 0xC0) {
            extra = 1;
            code = *p & 0x1F;
        } else if ((*p & 0xF0) == 0xE0) {
            extra = 2;
            code = *p & 0x0F;
        } else if ((*p & 0xF8) == 0xF0) {
            extra = 3;
            code = *p & 0x07;
        } else {
            return false;
        }
        if (end - p <= extra)
            return false;
        for (int i = 1; i <= extra; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        static constexpr unsigned int minimum[4] = {0, 0x80, 0x800, 0x10000};
        if (code < minimum[extra] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += extra + 1;
    }
    return true;
}

bool hasUtf8Bom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF");
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(high1252[b - 0x80]) : QChar(b);
    }
    return text;
}

QByteArray windows1252ToUtf8(QByteArray bytes)
{
    const auto *begin = reinterpret_cast<const unsigned char *>(bytes.constData());
    const auto *end = begin + bytes.size();
    qsizetype growth = 0;
    for (const auto *p = skipAsciiWords(begin, end); p < end; p = skipAsciiWords(p, end)) {
        for (const auto *stop = std::min(end, p + 8); p < stop; ++p) {
            if (*p >= 0x80)
                growth += utf8Forms[*p - 0x80].length - 1;
        }
    }
    if (growth == 0)
        return bytes;

    // Grown where it lies (a large array no one else holds is extended, not copied), then
    // converted from the end back, so that each byte is read before anything is written over it.
    const qsizetype size = bytes.size();
    bytes.resize(size + growth);
    char *base = bytes.data();
    const auto *first = reinterpret_cast<const unsigned char *>(base);
    const auto *p = first + size;
    char *out = base + size + growth;
    // Once out meets p, what is left in front holds no byte from 0x80 up and is already in place.
    while (p > first && out != reinterpret_cast<const char *>(p)) {
        const auto *ascii = p;
        while (ascii - first >= 8) {
            quint64 word;
            std::memcpy(&word, ascii - 8, 8);
            if (word & highBits)
                break;
            ascii -= 8;
        }
        out -= p - ascii;
        std::memmove(out, ascii, p - ascii);
        p = ascii;
        for (const auto *stop = std::max(first, p - 8); p > stop;) {
            const unsigned char byte = *--p;
            if (byte < 0x80) {
                *--out = static_cast<char>(byte);
                continue;
            }
            const Utf8Form &form = utf8Forms[byte - 0x80];
            out -= form.length;
            std::memcpy(out, form.bytes, form.length);
        }
    }
    return bytes;
}

QByteArray encodeWindows1252(const QString &text, bool *ok)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    bool all = true;
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            *out++ = static_cast<char>(u);
            continue;
        }
        char byte = '?';
        bool found = false;
        for (int i = 0; i < 32; ++i) {
            if (high1252[i] == u) {
                byte = static_cast<char>(0x80 + i);
                found = true;
                break;
            }
        }
        all = all && found;
        *out++ = byte;
    }
    if (ok)
        *ok = all;
    return bytes;
}

QString fromUtf8KeepingMark(const QByteArray &utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(utf8);
}

QString decode(const QByteArray &bytes)
{
    if (!isValidUtf8(bytes))
        return decodeWindows1252(bytes);
    if (hasUtf8Bom(bytes))
        return fromUtf8KeepingMark(bytes.mid(3));
    return fromUtf8KeepingMark(bytes);
}

} // namespace TextCodec
