// The script's tokens, read by byte class from a table: the tokenizer looks at every byte once.
#include "script_tokenizer.h"

#include <array>

namespace {

enum : unsigned char {
    WordByte = 1,       // letters, digits, "_" and every byte of a multi-byte character
    SigilByte = 2,      // ". @ $ ' #": may start a variable
    BlankByte = 4,
    LineEndByte = 8,
    OperatorByte = 16,  // joins others of its kind into one operator token
    DigitByte = 32,
};

const std::array<unsigned char, 256> ByteClasses = [] {
    std::array<unsigned char, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        unsigned char bits = 0;
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c >= 0x80)
            bits |= WordByte;
        if (c >= '0' && c <= '9')
            bits |= DigitByte;
        if (c == '.' || c == '@' || c == '$' || c == '\'' || c == '#')
            bits |= SigilByte;
        if (c == ' ' || c == '\t' || c == '\f' || c == '\v' || c == 0)
            bits |= BlankByte;
        if (c == '\r' || c == '\n')
            bits |= LineEndByte;
        if (c == '+' || c == '-' || c == '*' || c == '/' || c == '%' || c == '=' || c == '!' || c == '<'
            || c == '>' || c == '&' || c == '|' || c == '^' || c == '~' || c == ':' || c == '?')
            bits |= OperatorByte;
        classes[size_t(c)] = bits;
    }
    return classes;
}();

inline unsigned char classOf(char c)
{
    return ByteClasses[static_cast<unsigned char>(c)];
}

// The operators the server reads as one token, longest first within a first byte.
constexpr std::string_view Operators[] = {
    "<<=", ">>=", "**=", "::", "++", "--", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "~=",
    "==", "!=", "<=", ">=", "&&", "||", "<<", ">>", "**"};

size_t operatorLength(std::string_view text, size_t at)
{
    for (std::string_view op : Operators)
        if (text.compare(at, op.size(), op) == 0)
            return op.size();
    return 1;
}

} // namespace

ScriptTokenizer::ScriptTokenizer(std::string_view text, size_t from, size_t to, bool inComment)
    : m_text(text)
    , m_at(from)
    , m_end(to == std::string_view::npos || to > text.size() ? text.size() : to)
    , m_inComment(inComment)
{
}

void ScriptTokenizer::skipComment()
{
    // Inside "/* ... */": to its end, or to the line end, so that line ends are still tokens.
    while (m_at < m_end) {
        const char c = m_text[m_at];
        if (c == '*' && m_at + 1 < m_end && m_text[m_at + 1] == '/') {
            m_at += 2;
            m_inComment = false;
            m_openComment = std::string_view::npos;
            return;
        }
        if (c == '\n' || c == '\r')
            return;
        ++m_at;
    }
}

ScriptToken ScriptTokenizer::next()
{
    for (;;) {
        if (m_inComment) {
            skipComment();
            if (m_inComment && m_at >= m_end)
                return {TokenKind::End, false, false, uint32_t(m_at), 0};
        }
        while (m_at < m_end && (classOf(m_text[m_at]) & BlankByte))
            ++m_at;
        if (m_at >= m_end)
            return {TokenKind::End, false, false, uint32_t(m_at), 0};
        const size_t start = m_at;
        const char c = m_text[start];
        const unsigned char classes = classOf(c);
        if (classes & LineEndByte) {
            m_at += (c == '\r' && m_at + 1 < m_end && m_text[m_at + 1] == '\n') ? 2 : 1;
            return {TokenKind::LineEnd, false, false, uint32_t(start), uint32_t(m_at - start)};
        }
        if (classes & WordByte) {
            size_t j = start + 1;
            while (j < m_end && (classOf(m_text[j]) & WordByte))
                ++j;
            const bool suffix = j < m_end && m_text[j] == '$';
            j += suffix ? 1 : 0;
            m_at = j;
            // "2009_hat" is a name; "0x1F" and "42" are numbers.
            bool number = (classes & DigitByte) != 0;
            if (number && !(j - start > 2 && c == '0' && (m_text[start + 1] == 'x' || m_text[start + 1] == 'X'))) {
                for (size_t k = start; k < j && number; ++k)
                    number = (classOf(m_text[k]) & DigitByte) != 0;
            }
            return {number ? TokenKind::Number : TokenKind::Word, suffix && !number, false, uint32_t(start),
                    uint32_t(j - start)};
        }
        if (c == '"') {
            size_t j = start + 1;
            bool closed = false;
            while (j < m_end) {
                const char d = m_text[j];
                if (d == '"') {
                    closed = true;
                    ++j;
                    break;
                }
                if (d == '\n' || d == '\r')
                    break;
                j += (d == '\\' && j + 1 < m_end && m_text[j + 1] != '\n' && m_text[j + 1] != '\r') ? 2 : 1;
            }
            m_at = j;
            return {TokenKind::String, false, !closed, uint32_t(start), uint32_t(j - start)};
        }
        if (c == '/' && m_at + 1 < m_end) {
            const char d = m_text[m_at + 1];
            if (d == '/') {
                m_at += 2;
                while (m_at < m_end && !(classOf(m_text[m_at]) & LineEndByte))
                    ++m_at;
                continue;
            }
            if (d == '*') {
                m_openComment = m_at;
                m_inComment = true;
                m_at += 2;
                continue;
            }
        }
        if (classes & SigilByte) {
            // ".@name", "$@name", "@name", "'name", "#name", "##name", "$name"
            size_t j = start;
            while (j < m_end && j - start < 2 && (classOf(m_text[j]) & SigilByte))
                ++j;
            if (j < m_end && (classOf(m_text[j]) & WordByte)) {
                while (j < m_end && (classOf(m_text[j]) & WordByte))
                    ++j;
                if (j < m_end && m_text[j] == '$')
                    ++j;
                m_at = j;
                return {TokenKind::Word, true, false, uint32_t(start), uint32_t(j - start)};
            }
            m_at = start + 1;
            return {TokenKind::Punct, false, false, uint32_t(start), 1};
        }
        if (classes & OperatorByte) {
            const size_t length = operatorLength(m_text.substr(0, m_end), start);
            m_at = start + length;
            return {TokenKind::Punct, false, false, uint32_t(start), uint32_t(length)};
        }
        m_at = start + 1;
        return {TokenKind::Punct, false, false, uint32_t(start), 1};
    }
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
