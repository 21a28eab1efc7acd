// ScriptTokenizer: the tokens of NPC script text as the server's reader sees them, found in one
// pass with no copy of the text. Comments ("//", "/* */") are skipped; strings are '"' with "\"
// escapes and end at the line end when not closed.
#pragma once

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

struct ScriptToken
{
    TokenKind kind = TokenKind::End;
    bool variable = false;  // a Word with a sigil or a "$" suffix
    bool open = false;      // a String without its closing quote
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
