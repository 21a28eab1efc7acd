// Where the tokenizer starts, where text pieces end, and character columns. The token loop
// itself is in the header, so that the parser's loop takes it in.
#include "script_tokenizer.h"

ScriptTokenizer::ScriptTokenizer(std::string_view text, size_t from, size_t to, bool inComment)
    : m_text(text)
    , m_at(from)
    , m_end(to == std::string_view::npos || to > text.size() ? text.size() : to)
    , m_inComment(inComment)
{
}

size_t ScriptPieceEnd(std::string_view text, size_t from, size_t size)
{
    if (from >= text.size())
        return text.size();
    if (text.size() - from <= size)
        return text.size();
    // The last line end within size; "\r\n" stays whole.
    size_t cut = from + size;
    if (text[cut - 1] == '\r' && text[cut] == '\n')
        return cut + 1;
    for (size_t at = cut; at > from; --at) {
        const char c = text[at - 1];
        if (c == '\n' || (c == '\r' && text[at] != '\n'))
            return at;
    }
    // A line longer than size: it ends the piece, whole.
    for (size_t at = cut; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\n')
            return at + 1;
        if (c == '\r')
            return (at + 1 < text.size() && text[at + 1] == '\n') ? at + 2 : at + 1;
    }
    return text.size();
}

int CharacterColumn(std::string_view text, size_t lineStart, size_t at)
{
    int column = 0;
    for (size_t i = lineStart; i < at && i < text.size(); ++i)
        column += (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    return column;
}
