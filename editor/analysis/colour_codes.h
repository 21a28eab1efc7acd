// The colour codes of a message text: "^" and six hexadecimal digits, red, green and blue.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct ColourCode
{
    int64_t position = 0;   // of the "^", in bytes from the start of the text searched
    uint32_t rgb = 0;       // 0xRRGGBB

    bool operator==(const ColourCode &other) const { return position == other.position && rgb == other.rgb; }
};

// Every code in text, in text order; a code counts wherever it stands, in strings or not.
std::vector<ColourCode> FindColourCodes(std::string_view text);
