// Finding colour codes: a byte search for "^", cheap enough for the worker to run over any text.
#include "colour_codes.h"

#include <cstring>

namespace {

constexpr size_t CodeLength = 7;

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::vector<ColourCode> FindColourCodes(std::string_view text)
{
    std::vector<ColourCode> codes;
    const char *bytes = text.data();
    const size_t size = text.size();
    for (const char *at = size ? static_cast<const char *>(std::memchr(bytes, '^', size)) : nullptr; at;
         at = static_cast<const char *>(std::memchr(at + 1, '^', size_t(bytes + size - at - 1)))) {
        if (size_t(bytes + size - at) < CodeLength)
            break;
        uint32_t rgb = 0;
        bool code = true;
        for (size_t i = 1; i < CodeLength && code; ++i) {
            const int digit = hexValue(at[i]);
            code = digit >= 0;
            rgb = (rgb << 4) | uint32_t(digit & 0xF);
        }
        if (code)
            codes.push_back({int64_t(at - bytes), rgb});
    }
    return codes;
}
