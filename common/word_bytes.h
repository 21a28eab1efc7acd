// Which bytes make up a word of script text: one rule for the styler, the script model and the item tips.
#pragma once

#include <array>

namespace WordBytes {
// Letters, digits and "_"; the bytes of UTF-8 sequences count as letters, so a word never
// ends inside "café". A table, because the styler asks for every byte of the text.
inline constexpr std::array<bool, 256> table = [] {
    std::array<bool, 256> word{};
    for (int c = 0; c < 256; ++c)
        word[c] = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80;
    return word;
}();
} // namespace WordBytes

inline bool isWordByte(unsigned char c)
{
    return WordBytes::table[c];
}
