// ScriptTokenizer: the tokens of NPC script text as the server's reader sees them, found in one
// pass with no copy of the text. Comments ("//", "/* */") are skipped; strings are '"' with "\"
// escapes and end at the line end when not closed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

enum class TokenKind : unsigned char {
    Word,       // a name, with any sigils (".@", "$", "@", "'", "#") and "$" suffix
    Number,
    String,
    Punct,      // one or more operator bytes read as one operator, or one bracket, "," or ";"
    LineEnd,    // "\n", "\r\n" or a lone "\r"
    End,
};

// What an operator token does, as bits: the parser asks it of every token, and bits read once
// here spare it comparing the token's text again and again.
namespace ScriptOperator {
enum : unsigned char {
    Binary = 1,     // joins two values: "+", "==", "&&", "<<", "**", "?", ...
    Assigning = 2,  // "=", "+=", "<<=", "++", "--"
    Step = 4,       // "++", "--"
    Scope = 8,      // "::", as in "NPC"::function
};
} // namespace ScriptOperator

struct ScriptToken
{
    TokenKind kind = TokenKind::End;
    bool variable = false;  // a Word with a sigil or a "$" suffix
    bool open = false;      // a String without its closing quote
    unsigned char operatorBits = 0; // of a Punct token: ScriptOperator bits
    uint32_t start = 0;     // byte offset in the text
    uint32_t length = 0;
};

class ScriptTokenizer
{
public:
    // Reads text[from, to) where from is a line start; inComment when a "/*" comment goes on
    // from before from.
    explicit ScriptTokenizer(std::string_view text, size_t from = 0, size_t to = std::string_view::npos,
                             bool inComment = false);

    // The next token; End at the end, and from then on.
    ScriptToken next();

    // The "/*" of a comment still open at the end, or npos.
    size_t openComment() const { return m_openComment; }
    // Whether a comment is open where the tokenizer stands.
    bool inComment() const { return m_inComment; }
    std::string_view text() const { return m_text; }

private:
    void skipComment();

    std::string_view m_text;
    size_t m_at;
    size_t m_end;
    bool m_inComment;
    size_t m_openComment = std::string_view::npos;
};

// The end of a piece of at most about size bytes from from: just past a line end ("\n", "\r\n"
// or a lone "\r"), never inside a line unless a single line is longer than size, and never
// between the "\r" and "\n" of one line end.
size_t ScriptPieceEnd(std::string_view text, size_t from, size_t size);

// The character column of byte offset at in a line starting at lineStart: UTF-8 continuation
// bytes do not count.
int CharacterColumn(std::string_view text, size_t lineStart, size_t at);

// ---------------------------------------------------------------------------------------------
// The token loop, inline: the parser asks for every token of a large script, and a call per
// token cost more than reading it. Bytes are read by class from a table, each once.

namespace ScriptTokenBytes {

enum : unsigned char {
    WordByte = 1,       // letters, digits, "_" and every byte of a multi-byte character
    SigilByte = 2,      // ". @ $ ' #": may start a variable
    BlankByte = 4,
    LineEndByte = 8,
    OperatorByte = 16,  // joins others of its kind into one operator token
    DigitByte = 32,
};

inline constexpr std::array<unsigned char, 256> ByteClasses = [] {
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

struct OperatorRead
{
    uint32_t length;
    unsigned char bits;     // ScriptOperator bits
};

// The operator the server reads as one token at text[at] ("<<=", "::", "+=", ...) and what it does.
[[gnu::always_inline]] inline OperatorRead readOperator(std::string_view text, size_t at)
{
    using namespace ScriptOperator;
    const char c = text[at];
    const char d = at + 1 < text.size() ? text[at + 1] : 0;
    const char e = at + 2 < text.size() ? text[at + 2] : 0;
    switch (c) {
    case '<':
    case '>':
    case '*':
        if (d == c)                                     // "<<", "<<=", ">>", ">>=", "**", "**="
            return e == '=' ? OperatorRead{3, Assigning} : OperatorRead{2, Binary};
        if (d == '=')                                   // "<=", ">=", "*="
            return {2, static_cast<unsigned char>(c == '*' ? Assigning : Binary)};
        return {1, Binary};
    case '+':
    case '-':
        if (d == c)
            return {2, Assigning | Step};
        return d == '=' ? OperatorRead{2, Assigning} : OperatorRead{1, Binary};
    case '&':
    case '|':
        if (d == c)
            return {2, Binary};                         // "&&", "||"
        return d == '=' ? OperatorRead{2, Assigning} : OperatorRead{1, Binary};
    case ':':
        return d == ':' ? OperatorRead{2, Scope} : OperatorRead{1, 0};
    case '=':
    case '!':
        if (d == '=')
            return {2, Binary};                         // "==", "!="
        return {1, static_cast<unsigned char>(c == '=' ? Assigning : 0)};
    case '/':
    case '%':
    case '^':
        return d == '=' ? OperatorRead{2, Assigning} : OperatorRead{1, Binary};
    case '~':
        return d == '=' ? OperatorRead{2, Assigning} : OperatorRead{1, 0};
    case '?':
        return {1, Binary};
    default:
        return {1, 0};
    }
}

} // namespace ScriptTokenBytes

inline void ScriptTokenizer::skipComment()
{
    using namespace ScriptTokenBytes;
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

// Always taken in: left to itself, the compiler keeps it a call, which costs the parser as much as
// reading the token does.
[[gnu::always_inline]] inline ScriptToken ScriptTokenizer::next()
{
    using namespace ScriptTokenBytes;
    for (;;) {
        if (m_inComment) {
            skipComment();
            if (m_inComment && m_at >= m_end)
                return {TokenKind::End, false, false, 0, uint32_t(m_at), 0};
        }
        while (m_at < m_end && (classOf(m_text[m_at]) & BlankByte))
            ++m_at;
        if (m_at >= m_end)
            return {TokenKind::End, false, false, 0, uint32_t(m_at), 0};
        const size_t start = m_at;
        const char c = m_text[start];
        const unsigned char classes = classOf(c);
        if (classes & LineEndByte) {
            m_at += (c == '\r' && m_at + 1 < m_end && m_text[m_at + 1] == '\n') ? 2 : 1;
            return {TokenKind::LineEnd, false, false, 0, uint32_t(start), uint32_t(m_at - start)};
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
            return {number ? TokenKind::Number : TokenKind::Word, suffix && !number, false, 0, uint32_t(start),
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
            return {TokenKind::String, false, !closed, 0, uint32_t(start), uint32_t(j - start)};
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
                return {TokenKind::Word, true, false, 0, uint32_t(start), uint32_t(j - start)};
            }
            m_at = start + 1;
            return {TokenKind::Punct, false, false, 0, uint32_t(start), 1};
        }
        if (classes & OperatorByte) {
            const OperatorRead read = readOperator(m_text.substr(0, m_end), start);
            m_at = start + read.length;
            return {TokenKind::Punct, false, false, read.bits, uint32_t(start), read.length};
        }
        m_at = start + 1;
        return {TokenKind::Punct, false, false, 0, uint32_t(start), 1};
    }
}
